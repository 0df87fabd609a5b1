// The line reader, the section store of the in-memory scout, and the text helpers.
#include "records/LineReader.h"
#include "records/tests/WindowFixture.h"

TEST(LineReader, CrLfReadsLikeLfAndBlankLinesAreSkipped) {
    auto lf = SplitKeptLines("a\n\n   \n<x>1</x>\nlast", LineKind::Scout);
    auto crlf = SplitKeptLines("a\r\n\r\n   \r\n<x>1</x>\r\nlast", LineKind::Scout);
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(lf, (std::vector<AnsiString>{"a", "   ", "<x>1</x>", "last"}));
}

TEST(LineReader, ScoutAndCatalogLinesEndAtDifferentBytes) {
    const std::string bytes = "1\x1e" "a|b\tc\n<City>Ma\xe9lle</City>\n";
    EXPECT_EQ(SplitKeptLines(bytes, LineKind::Scout), (std::vector<AnsiString>{"1\x1e" "a", "<City>Ma"}));
    EXPECT_EQ(SplitKeptLines(bytes, LineKind::Catalog), (std::vector<AnsiString>{"1\x1e" "a|b", "<City>Ma"}));
}

TEST(LineReader, LongLineKeepsItsHeadAndReadingGoesOn) {
    auto lines = SplitKeptLines(std::string(5000, 'x') + "\nnext\n", LineKind::Scout);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 3998u);
    EXPECT_EQ(lines[1], "next");
}

TEST(LineReader, FastSplitAgreesWithTheByteRuleOnAnyBytes) {
    // The rule read byte by byte, as it is stated.
    // A line ends at a line feed, a carriage return or the pair; the first
    // line that loses content is counted with the pair as one line end.
    int ruleLost = 0;
    auto byRule = [&ruleLost](const std::string& bytes, LineKind kind) {
        std::vector<AnsiString> lines;
        ruleLost = 0;
        int number = 0;
        size_t start = 0;
        while (start < bytes.size()) {
            ++number;
            size_t end = bytes.find_first_of("\r\n", start);
            if (end == std::string::npos) end = bytes.size();
            size_t cut = start;
            while (cut < std::min(end, start + MaxLineChars) && !EndsLineText(static_cast<unsigned char>(bytes[cut]), kind))
                ++cut;
            if (cut > start) lines.push_back(bytes.substr(start, cut - start));
            if (cut < end && ruleLost == 0) ruleLost = number;
            start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
        return lines;
    };
    // Lines of every length around the 16-byte steps, with the bytes that matter
    // at every place, and long lines around the 3998 limit.
    const char alphabet[] = {'a', ' ', '\t', '\n', '\r', '|', '\x1e', '\x01', '\x7f', '\x80', '\xff', '<', '>'};
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        size_t length = next() % 90;
        for (size_t i = 0; i < length; ++i)
            bytes += next() % 3 ? 'x' : alphabet[next() % sizeof alphabet];
        if (round % 100 == 0) bytes += std::string(3990 + next() % 20, 'y') + (next() % 2 ? "|z\n" : "\n");
        for (LineKind kind : {LineKind::Scout, LineKind::Catalog})
        {
            int lost = -1;
            ASSERT_EQ(SplitKeptLines(bytes, kind, &lost), byRule(bytes, kind)) << "round " << round;
            ASSERT_EQ(lost, ruleLost) << "round " << round;
        }
    }
}

TEST(LineReader, AWalkThatStopsIsHandedNoFurtherLine) {
    // The last line has no line end: it must not be handed over after the stop.
    for (const std::string bytes : {"<Attend>\n</Attend>\n0111", "<Attend>\n</Attend>\n0111\n"}) {
        std::vector<AnsiString> seen;
        ForEachKeptLine(bytes, LineKind::Scout, [&seen](std::string_view line) {
            seen.emplace_back(line);
            return line != "</Attend>";
        });
        EXPECT_EQ(seen, (std::vector<AnsiString>{"<Attend>", "</Attend>"})) << bytes;
    }
}

TEST(LineReader, MissingFileYieldsNothing) {
    std::vector<AnsiString> lines{"stale"};
    EXPECT_FALSE(ReadKeptLines("/nonexistent/x.scout", LineKind::Scout, lines));
    EXPECT_TRUE(lines.empty());
}

using ScoutFile = WindowFixture;

TEST_F(ScoutFile, LoadScoutFileKeepsIndentationAndCutsBadValues) {
    WriteFile("Ann.scout",
              "01/01/2025\r\n<Scout>\r\n   <City>Ma\xe9lle</City>\r\n   <Address>1 Main|Apt 2</Address>\r\n</Scout>\r\n");
    f->LoadScoutFile("Ann");
    EXPECT_EQ(Slave(), (std::vector<AnsiString>{"01/01/2025", "<Scout>", "   <City>Ma", "   <Address>1 Main", "</Scout>"}));
    EXPECT_EQ(f->TagValue(Slave()[2], "City"), "");
    EXPECT_EQ(f->TagValue(Slave()[3], "Address"), "");
    f->LoadScoutFile("Nobody");
    EXPECT_TRUE(Slave().empty());
}

TEST_F(ScoutFile, StoringASectionTwiceLeavesOneAtTheEnd) {
    f->masterlist->Items()->SetText("d\n<Scout>\nold\n</Scout>\n<Pos>\n</Pos>\n");
    f->slavelist->Items()->SetText("   <Troop>7</Troop>\n");
    f->StoreSection("Scout*");
    f->StoreSection("Scout*");
    EXPECT_EQ(Master(), (std::vector<AnsiString>{"d", "<Pos>", "</Pos>", "<Scout>", "   <Troop>7</Troop>", "</Scout>"}));
}

TEST_F(ScoutFile, ExtractReadsTheFirstSectionAndStoreRemovesEveryCopy) {
    f->masterlist->Items()->SetText("d\n <Scout>\n   <Troop>1</Troop>\n\t</Scout>\n<Pos>\n<Scout>\n2\n</Scout>\n");
    f->ExtractSection("Scout");
    EXPECT_EQ(Slave(), (std::vector<AnsiString>{"<Troop>1</Troop>"}));
    f->ExtractSection("Pos");  // a section without its close tag ends where the next one opens
    EXPECT_TRUE(Slave().empty());

    f->masterlist->Items()->SetText("d\n <Scout>\n1\n</Scout>\n<Pos>\n</Pos>\n<Scout>\n2\n</Scout>\n");
    f->slavelist->Items()->Clear();
    f->StoreSection("Scout*");
    EXPECT_EQ(Master(), (std::vector<AnsiString>{"d", "<Pos>", "</Pos>", "<Scout>", "</Scout>"}));
}

TEST_F(ScoutFile, MeritBadgeAndOtherAwardOfOneNameStayApart) {
    f->masterlist->Items()->SetText("d\n  <Other Camping>\nother\n  </Other Camping>\n<Mb Camping>\nold\n</Mb Camping>\n");
    f->slavelist->Items()->SetText("new\n");
    f->StoreSection("Camping*Mb");
    EXPECT_EQ(Master(), (std::vector<AnsiString>{"d", "  <Other Camping>", "other", "  </Other Camping>", "<Mb Camping>",
                                                 "new", "</Mb Camping>"}));
    f->ExtractSection("Other Camping");  // found with indented tags
    EXPECT_EQ(Slave(), (std::vector<AnsiString>{"other"}));
    f->ExtractSection("Mb Hiking");
    EXPECT_TRUE(Slave().empty());
}

TEST_F(ScoutFile, SectionWithoutCloseTagNeverSwallowsTheSectionsAfterIt) {
    f->masterlist->Items()->SetText("d\n<Pos>\nkept\n</Pos>\n<Camps>\nlost close\n<Serv>\nservice\n</Serv>\n");
    f->slavelist->Items()->SetText("camp\n");
    f->StoreSection("Camps*");
    EXPECT_EQ(Master(), (std::vector<AnsiString>{"d", "<Pos>", "kept", "</Pos>", "<Serv>", "service", "</Serv>", "<Camps>",
                                                 "camp", "</Camps>"}));
}

TEST_F(ScoutFile, TagValueAndPadText) {
    EXPECT_EQ(f->TagValue("   <Troop>123</Troop>", "Troop"), "123");
    EXPECT_EQ(f->TagValue("   <Troop>123</Troop>", "Patrol"), "");
    EXPECT_EQ(f->TagValue("<Troop>123", "Troop"), "");
    EXPECT_EQ(f->PadText("abc", 5, true), "abc  ");
    EXPECT_EQ(f->PadText("abc", 5, false), "  abc");
    EXPECT_EQ(f->PadText("abcdefg", 5, true), "abcde");
    EXPECT_EQ(f->PadText("abcdefg", 5, false), "cdefg");
    EXPECT_EQ(f->PadText("abc", 0, true), "");
}
