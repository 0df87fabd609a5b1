// The reading rules of the reports: element values, award names, and the
// quick walk over the tag lines of a scout file.
#include <gtest/gtest.h>

#include "reports/ReportLines.h"

TEST(ReportLines, ElementValueRule) {
    AnsiString value = "old";
    EXPECT_FALSE(TakeElementValue("<Troopx>1</Troopx>", "<Troop>", value));
    EXPECT_FALSE(TakeElementValue("<troop>1</troop>", "<Troop>", value));
    EXPECT_EQ(value, "old");
    // An empty element leaves the value as it was.
    EXPECT_TRUE(TakeElementValue("<Troop></Troop>", "<Troop>", value));
    EXPECT_TRUE(TakeElementValue("<Troop>   </Troop>", "<Troop>", value));
    EXPECT_EQ(value, "old");
    EXPECT_TRUE(TakeElementValue("<Troop>  12 </Troop>", "<Troop>", value));
    EXPECT_EQ(value, "12 ");
    EXPECT_TRUE(TakeElementValue("<Address>1 <b>Elm</b></Address>", "<Address>", value));
    EXPECT_EQ(value, "1 ");
    // Without a "<" in the 99 characters after the tag the value is empty.
    EXPECT_TRUE(TakeElementValue("<Troop>12", "<Troop>", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(TakeElementValue("<Troop>" + AnsiString(98, 'x') + "</Troop>", "<Troop>", value));
    EXPECT_EQ(value, AnsiString(98, 'x'));
    EXPECT_TRUE(TakeElementValue("<Troop>" + AnsiString(99, 'x') + "</Troop>", "<Troop>", value));
    EXPECT_EQ(value, "");
}

TEST(ReportLines, AwardNames) {
    EXPECT_EQ(AwardNameOf("<Mb First Aid>", "<Mb"), "First Aid");
    EXPECT_EQ(AwardNameOf("<Other Totin Chip>", "<Other"), "Totin Chip");
    EXPECT_EQ(AwardNameOf("<Mb    Camping  >", "<Mb"), "Camping  ");
    EXPECT_EQ(AwardNameOf("<Mb>", "<Mb"), "");
    EXPECT_EQ(AwardNameOf("<Mb X", "<Mb"), "");
    EXPECT_EQ(AwardNameOf("<Mb " + AnsiString(120, 'n') + ">", "<Mb").size(), 98u);
}

TEST(ReportLines, CapitalTagLinesAgreeWithTheLineReaderOnAnyBytes) {
    auto byRule = [](const std::string& bytes) {
        std::vector<AnsiString> lines;
        ForEachKeptLine(bytes, LineKind::Scout, [&lines](std::string_view line) {
            std::string_view trimmed = TrimView(line);
            if (IsCapitalTagLine(trimmed)) lines.emplace_back(trimmed);
        });
        return lines;
    };
    auto quick = [](const std::string& bytes) {
        std::vector<AnsiString> lines;
        ForEachCapitalTagLine(bytes, [&lines](std::string_view line) { lines.emplace_back(line); });
        return lines;
    };
    const char* pieces[] = {"<", "</", "<S", "</S", "<req>", "<Scout>", " ", "   ", "\t", "\x1e", "\n", "\r\n", "\r",
                            "|",  "\x01", "\x80", "\xff", "a", "Z", "/", ">", "<Mb Camping>", "x<Troop>"};
    unsigned seed = 777;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 5000; ++round) {
        std::string bytes;
        size_t count = next() % 40;
        for (size_t i = 0; i < count; ++i) bytes += pieces[next() % (sizeof pieces / sizeof *pieces)];
        if (round % 250 == 0) bytes += '\n' + std::string(3990 + next() % 15, ' ') + "<Star>\n<Life>";
        ASSERT_EQ(quick(bytes), byRule(bytes)) << "round " << round;
    }
}
