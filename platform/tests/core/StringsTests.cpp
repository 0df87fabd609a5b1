#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

TEST(Strings, StrToIntAcceptsSignsHexAndTheWholeIntRange) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -17"), -17);
    EXPECT_EQ(StrToInt("+8"), 8);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
}

TEST(Strings, StrToIntRefusesWhatIsNotAnInteger) {
    for (const char* bad : {"", " ", "-", "12a", "12 ", "1.5", "2147483648", "-2147483649", "$", "99999999999999999999"}) {
        int value = 7;
        EXPECT_FALSE(TryStrToInt(bad, value)) << bad;
        EXPECT_EQ(value, 7) << "a failed conversion leaves the value alone";
        EXPECT_EQ(StrToIntDef(bad, -1), -1) << bad;
    }
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
}

TEST(Strings, TrimmingAndSubstringsClipInsteadOfFailing) {
    EXPECT_EQ(Trim(" \t\x1e a b \r\n"), "a b");
    EXPECT_EQ(Trim("\xE9t\xE9"), "\xE9t\xE9") << "bytes above 127 are text, not blanks";
    const std::string padded = " \t\x1e a b \r\n";
    std::string_view view = TrimView(padded);
    EXPECT_EQ(view, "a b");
    EXPECT_EQ(view.data(), padded.data() + 4) << "a view into the string, not a copy";
    EXPECT_EQ(TrimView("   "), "");
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(SubString("Trailbook", 6, 100), "book");
    EXPECT_EQ(SubString("Trailbook", 0, 3), "Tr");
    EXPECT_EQ(SubString("Trailbook", 20, 3), "");
    EXPECT_EQ(SubString("Trailbook", 2, -1), "");
    // Letters fold to upper case, so they sort before "_" (95).
    EXPECT_LT(CompareText("b", "_"), 0);
    EXPECT_EQ(UpperCase("l-Patrol 1\xE9"), "L-PATROL 1\xE9");
}

TEST(Strings, SplitKeepsEmptyPieces) {
    using Pieces = std::vector<AnsiString>;
    EXPECT_EQ(SplitString("Font.Style", '.'), (Pieces{"Font", "Style"}));
    EXPECT_EQ(SplitString(":a::b:", ':'), (Pieces{"", "a", "", "b", ""}));
    EXPECT_EQ(SplitString("", '/'), (Pieces{""}));
}
