#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/vcl/Graphics.h"

TEST(Colors, NamesNumbersAndTheClassicSystemScheme) {
    TColor color = 0;
    ASSERT_TRUE(ColorFromName("CLRED", color));
    EXPECT_EQ(color, clRed);
    EXPECT_EQ(ColorFromFormValue(FormValue::OfIdent("clBtnFace")), clBtnFace);
    EXPECT_EQ(ColorFromFormValue(FormValue::OfInt(0x80000005LL)), clWindow) << "a number with the top bit set";
    EXPECT_THROW(ColorFromFormValue(FormValue::OfIdent("clPlaid")), EReadError);
    EXPECT_EQ(ColorToFormValue(clHighlightText).text, "clHighlightText");
    EXPECT_EQ(ColorToFormValue(0x010203).kind, FormValue::Int);

    EXPECT_EQ(ColorToRGB(clBtnFace), 0x00C8D0D4u);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
    uint32_t highlight = ColorToRGB(clHighlight);
    EXPECT_EQ((std::vector<int>{GetRValue(highlight), GetGValue(highlight), GetBValue(highlight)}),
              (std::vector<int>{10, 36, 106}));
}

TEST(Fonts, SizeAndHeightFollowPixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Size(), 8) << "the default height -11 at 96 pixels per inch";
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetPixelsPerInch(120);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -17);  // 10 * 120 / 72 = 16.7
    EXPECT_EQ(font.Size(), 10);

    // A form description may set either; Style is a set of names.
    const TClassInfo& info = TFont::StaticClassInfo();
    TReaderContext context(nullptr);
    info.FindProperty("Height")->Set(&font, FormValue::OfInt(-23), context);
    info.FindProperty("Style")->Set(&font, FormValue::OfSet({"fsBold", "fsUnderline"}), context);
    info.FindProperty("Color")->Set(&font, FormValue::OfIdent("clRed"), context);
    EXPECT_EQ(font.Style(), fsBold | fsUnderline);
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(info.FindProperty("size")->Get(&font).intValue, 14);

    TFont copy;
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(font);
    EXPECT_TRUE(copy == font);
    EXPECT_EQ(changes, 1);
}
