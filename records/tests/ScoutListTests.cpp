// The scout list: age groups from the birth date and the nickname, leaders,
// which files are listed, and that a rebuild saves the loaded scout first.
#include "records/tests/WindowFixture.h"

namespace {
// Today of the tests minus days, as a date text.
AnsiString DaysAgo(int days) { return DateToStr(EncodeDate(2026, 3, 15) - days); }
}  // namespace

class ScoutList : public WindowFixture {
protected:
    std::vector<AnsiString> Listed(int mode) {
        f->RefreshScoutList(mode);
        return Items(f->cboSCTs->Items());
    }
    static void WriteBorn(const AnsiString& name, int daysAgo) {
        WriteScoutWith(name, {"<Updated>x</Updated>", "<Birthdate>" + DaysAgo(daysAgo) + "</Birthdate>"});
    }
};

TEST_F(ScoutList, DayLimitsOfTheAgeGroups) {
    WriteBorn("a4383", 4383);
    WriteBorn("b4384", 4384);
    WriteBorn("b5113", 5113);
    WriteBorn("c5114", 5114);
    WriteBorn("c5844", 5844);
    WriteBorn("d5845", 5845);
    EXPECT_EQ(f->AgeGroupOf("a4383.scout"), 1);
    EXPECT_EQ(f->AgeGroupOf("b4384.scout"), 2);
    EXPECT_EQ(f->AgeGroupOf("b5113.scout"), 2);
    EXPECT_EQ(f->AgeGroupOf("c5114.scout"), 3);
    EXPECT_EQ(f->AgeGroupOf("c5844.scout"), 3);
    EXPECT_EQ(f->AgeGroupOf("d5845.scout"), 4);
    EXPECT_EQ(Listed(1), (std::vector<AnsiString>{"a4383"}));
    EXPECT_EQ(Listed(2), (std::vector<AnsiString>{"b4384", "b5113"}));
    EXPECT_EQ(Listed(3), (std::vector<AnsiString>{"c5114", "c5844"}));
    EXPECT_EQ(Listed(4), (std::vector<AnsiString>{"d5845"}));
    EXPECT_EQ(Listed(6), (std::vector<AnsiString>{"a4383", "b4384", "b5113"}));
    EXPECT_EQ(Listed(0).size(), 6u);
}

TEST_F(ScoutList, NicknamesReplaceTheBirthDateGroup) {
    EXPECT_TRUE(Listed(0).empty());
    for (const char* nick : {"11", "12", "13", "14", "16"})
        WriteScoutWith(AnsiString("n") + nick, {"<Updated>x</Updated>", AnsiString("<Nickname>") + nick + "</Nickname>"});
    WriteScoutWith("word", {"<Updated>x</Updated>", "<Nickname>tall</Nickname>", "<Birthdate>" + DaysAgo(13 * 365 + 10) + "</Birthdate>"});
    // A group number itself selects that filter; 2 stays out of "Scout (11-13)", 6 is in it.
    WriteScoutWith("g2", {"<Nickname>2</Nickname>", "<Birthdate>" + DaysAgo(6000) + "</Birthdate>"});
    WriteScoutWith("g3", {"<Nickname>3</Nickname>"});
    WriteScoutWith("g6", {"<Nickname>6</Nickname>"});
    EXPECT_EQ(Listed(1), (std::vector<AnsiString>{"n11"}));
    EXPECT_EQ(Listed(2), (std::vector<AnsiString>{"g2", "n12", "word"}));
    EXPECT_EQ(Listed(6), (std::vector<AnsiString>{"g6", "n11", "n12"}));
    EXPECT_EQ(Listed(3), (std::vector<AnsiString>{"g3", "n14"}));
    EXPECT_EQ(Listed(4), (std::vector<AnsiString>{"n16"}));
    EXPECT_EQ(Listed(0).size(), 9u);
}

TEST_F(ScoutList, LeadersAndWhichFilesAreListed) {
    WriteScoutWith("Lead", {"<Patrol>L- Staff</Patrol>"});
    WriteScoutWith("lower", {"<Patrol>l-Staff</Patrol>"});
    WriteFile("Caps.SCOUT", "01/01/2025\n");
    WriteScoutWith("x.scout", {});  // a scout named "x.scout" keeps its whole name
    WriteScoutWith("Bad date", {"<Birthdate>31/31/2000</Birthdate>"});
    WriteScoutWith("Two", {"<Birthdate>" + DaysAgo(100) + "</Birthdate>", "<Birthdate>" + DaysAgo(6000) + "</Birthdate>"});
    WriteFile("Long.scout", std::string(2000, 'x') + "\n<Birthdate>" + DaysAgo(100) + "</Birthdate>\n");
    // Blanks, TABs and carriage returns are dropped before the tags are compared.
    WriteFile("Crlf.scout", "01/01/2025\r\n<Scout>\r\n\t<Birthdate> " + DaysAgo(100) + "\t</Birthdate>\r\n</Scout>\r\n");
    EXPECT_EQ(Listed(5), (std::vector<AnsiString>{"Lead"}));
    EXPECT_EQ(Listed(0), (std::vector<AnsiString>{"Bad date", "Crlf", "Long", "lower", "Two", "x.scout"}));
    EXPECT_EQ(Listed(4), (std::vector<AnsiString>{"Two"}));  // the later birth date decides
    EXPECT_EQ(Listed(1), (std::vector<AnsiString>{"Crlf", "Long"}));
    EXPECT_EQ(f->ReadFileTag("Lead.scout", "<Patrol>"), "L-Staff");
}

TEST_F(ScoutList, AFilterWhileAScoutIsLoadedSavesItFirst) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>"});
    Load("Ann");
    f->editTroop->SetText("9");
    f->Leaders1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_EQ(f->editTroop->Text(), "");
    EXPECT_EQ(f->cboSCTs->Text(), "");
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>9</Troop>"));
}

TEST_F(ScoutList, TagReadingAgreesWithTheLineRuleOnAnyBytes) {
    // The rule read line by line, as it is stated: each line reduced to its
    // bytes 33 to 126 (a NUL ends it, at most 499 characters); the last line
    // that begins with the tag gives the value.
    auto byRule = [](const std::string& bytes, const AnsiString& tag) {
        AnsiString value;
        size_t start = 0;
        while (start <= bytes.size()) {
            size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
            AnsiString reduced;
            for (size_t k = start; k < std::min(end, start + 499) && bytes[k] != '\0'; ++k)
                if (bytes[k] >= 33 && bytes[k] <= 126) reduced += bytes[k];
            if (reduced.compare(0, tag.size(), tag) == 0) {
                AnsiString rest = reduced.substr(tag.size(), 99);
                value = rest.substr(0, rest.find('<'));
            }
            start = end + 1;
        }
        return value;
    };
    const std::string pieces[] = {"<",    "<B",   "< B",  "<\tP", "irthdate>", "atrol>", "7<",  "L-", "x",
                                  " ",    "\t",   "\r",   "\n",   "\r\n",      "\x01",   "\x7f", "\x80", "\xff",
                                  {'\0'}, "\n<Birthdate>", "</Birthdate>"};
    unsigned seed = 4242;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        size_t count = next() % 30;
        for (size_t i = 0; i < count; ++i) bytes += pieces[next() % (sizeof pieces / sizeof *pieces)];
        if (round % 100 == 0) bytes += '\n' + std::string(490 + next() % 15, ' ') + "<Birthdate>1</Birthdate>";
        WriteFile("Any.scout", bytes);
        for (const AnsiString tag : {"<Birthdate>", "<Patrol>"})
            ASSERT_EQ(f->ReadFileTag("Any.scout", tag), byRule(bytes, tag)) << "round " << round;
    }
}
