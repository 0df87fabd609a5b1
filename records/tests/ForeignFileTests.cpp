// Files that this program did not write (another editor's line ends, a lost
// close tag, bytes the lines cannot hold) lose nothing: they are read whole,
// load and save reach a fixed point, and what cannot be kept is said at load
// and kept aside before the first save.
#include "records/LineReader.h"
#include "records/tests/WindowFixture.h"

TEST(LineReader, ACarriageReturnAloneEndsALineAndTheFirstCutLineIsNamed) {
    int lost = -1;
    EXPECT_EQ(SplitKeptLines("a\rb\r\rc\r\nd\ne", LineKind::Scout, &lost), (std::vector<AnsiString>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(SplitKeptLines("1\x1e" "a\tb\r2\x1e" "c", LineKind::Catalog, &lost), (std::vector<AnsiString>{"1\x1e" "a", "2\x1e" "c"}));
    EXPECT_EQ(lost, 1);  // the TAB cut a catalog line

    // Lines count from 1, a CR LF pair as one line end and an empty line as a line.
    SplitKeptLines("d\r\n\r\n<Scout>\r\n<City>a\0b</City>\r\n|x\r\n", LineKind::Scout, &lost);
    EXPECT_EQ(lost, 0) << "a literal with NUL ends early";
    const std::string withNul("d\r\n\r\n<Scout>\r\n<City>a\0b</City>\r\n", 31);
    SplitKeptLines(withNul, LineKind::Scout, &lost);
    EXPECT_EQ(lost, 4);
    SplitKeptLines("a\n" + std::string(MaxLineChars + 1, 'x') + "\n", LineKind::Scout, &lost);
    EXPECT_EQ(lost, 2);
    SplitKeptLines("a\n" + std::string(MaxLineChars, 'x') + "\nb|", LineKind::Scout, &lost);
    EXPECT_EQ(lost, 3);  // a trailing "|" is content too
}

class ForeignFile : public WindowFixture {
protected:
    // Loads, saves and unloads the scout; the file it was saved as.
    std::string LoadAndSave(const AnsiString& name) {
        Load(name);
        f->SaveCurrentScout();
        return ReadFile(name + ".scout");
    }
};

TEST_F(ForeignFile, AScoutFileWithCarriageReturnLineEndsIsReadWholeEverywhere) {
    const std::string cr =
        "01/01/2025\r<Scout>\r   <Updated>x</Updated>\r   <Patrol>Hawks</Patrol>\r   <Troop>7</Troop>\r"
        "   <Birthdate>01/01/2014</Birthdate>\r</Scout>\r<Pos>\rstart\t--Current--\tSPL\r</Pos>\r"
        "<Mb Camping>\r   <Updated>x</Updated>\r   <Started>02/02/2025</Started>\r</Mb Camping>\r";
    WriteFile("Ann.scout", cr);
    WriteFile("Ann.nts", "first\rsecond\r");
    f->RefreshScoutList(2);  // ages 12 to 13, from the birth date on the fifth line
    EXPECT_EQ(Items(f->cboSCTs->Items()), (std::vector<AnsiString>{"Ann"}));
    EXPECT_EQ(f->ReadFileTag("Ann.scout", "<Patrol>"), "Hawks");

    Load("Ann");
    EXPECT_EQ(f->editPatrol->Text(), "Hawks");
    EXPECT_EQ(f->editTroop->Text(), "7");
    EXPECT_EQ(Items(f->lbPositions->Items()), (std::vector<AnsiString>{"start\t--Current--\tSPL"}));
    EXPECT_EQ(Items(f->cboMBi->Items()), (std::vector<AnsiString>{"Camping"}));
    EXPECT_EQ(Items(f->memoNotes->Lines()), (std::vector<AnsiString>{"first", "second"}));
    EXPECT_TRUE(desktop().Messages.empty());

    f->SaveCurrentScout();
    const auto saved = FileLines("Ann.scout");
    EXPECT_TRUE(Contains(saved, "   <Troop>7</Troop>"));
    EXPECT_TRUE(Contains(saved, "<Mb Camping>"));
    EXPECT_TRUE(Contains(saved, "   <Started>02/02/2025</Started>"));
    EXPECT_TRUE(Contains(saved, "start\t--Current--\tSPL"));
    EXPECT_FALSE(FileExists("Ann.scout.orig"));  // line ends are no content
}

TEST_F(ForeignFile, ACatalogWithCarriageReturnLineEndsShowsEveryRequirement) {
    WriteScoutWith("Ann", {"<Updated>x</Updated>"});
    WriteFile("Star.Rank", "01/01/2025\r1\x1e" "One\x1e" "Full one\r2\x1e" "Two\x1e" "Full two\r");
    Load("Ann");
    f->Label7Click(nullptr);
    EXPECT_EQ(f->SheetCount, 2);
    EXPECT_STREQ(f->ReqShortText[2], "Two");
}

TEST_F(ForeignFile, AnUnclosedSectionSavedFiveTimesGivesTheSameFile) {
    WriteScout("Ann", {"<Scout>", "   <Updated>x</Updated>", "   <Troop>7</Troop>", "</Scout>", "<Pos>",
                       "a\t--Current--\tSPL", "<Camps>", "c1\tc2\tCamp", "</Camps>", "<Mb Hiking>",
                       "   <Updated>x</Updated>", "   <Completed>03/03/2025</Completed>", "<Other Knots>",
                       "   <Updated>x</Updated>", "   <Started>04/04/2025</Started>", "</Other Knots>", "<Serv>",
                       "s1\ts2\tService"});
    Load("Ann");
    // Each unclosed section ends where the next one opens, for every reader.
    EXPECT_EQ(Items(f->lbPositions->Items()), (std::vector<AnsiString>{"a\t--Current--\tSPL"}));
    EXPECT_EQ(Items(f->cboMBe->Items()), (std::vector<AnsiString>{"Hiking"}));
    EXPECT_EQ(Items(f->cboOtheri->Items()), (std::vector<AnsiString>{"Knots"}));
    f->ExtractSection("Mb Hiking");
    EXPECT_EQ(Slave(), (std::vector<AnsiString>{"<Updated>x</Updated>", "<Completed>03/03/2025</Completed>"}));
    f->SaveCurrentScout();

    const std::string first = ReadFile("Ann.scout");
    for (int save = 2; save <= 5; ++save) EXPECT_EQ(LoadAndSave("Ann"), first) << "save " << save;
    const auto lines = FileLines("Ann.scout");
    for (const char* line : {"<Camps>", "</Camps>", "<Mb Hiking>", "<Other Knots>", "<Serv>", "s1\ts2\tService"})
        EXPECT_EQ(std::count(lines.begin(), lines.end(), AnsiString(line)), 1) << line;
    EXPECT_TRUE(Contains(lines, "   <Completed>03/03/2025</Completed>"));
    EXPECT_TRUE(Contains(lines, "c1\tc2\tCamp"));
}

TEST_F(ForeignFile, ContentTheLinesCannotHoldIsSaidOnceAndTheFileKeptAside) {
    const std::string original = std::string("01/01/2025\n<Scout>\n   <Updated>x</Updated>\n   <City>Ma\0lle</City>\n", 65) +
                                 "   <Address>1 Main|Apt 2</Address>\n   <Zip>caf\xc3\xa9</Zip>\n   <Troop>7</Troop>\n</Scout>\n";
    WriteFile("Ann.scout", original);
    Load("Ann");
    ASSERT_EQ(desktop().Messages.size(), 1u);
    const AnsiString& said = desktop().Messages[0];
    EXPECT_NE(said.find("Ann.scout"), AnsiString::npos) << said;
    EXPECT_NE(said.find("line 4"), AnsiString::npos) << said;
    EXPECT_NE(said.find("Ann.scout.orig"), AnsiString::npos) << said;
    EXPECT_FALSE(FileExists("Ann.scout.orig"));  // nothing is written before a save
    EXPECT_EQ(f->editTroop->Text(), "7");

    f->Save1Click(nullptr);
    EXPECT_EQ(ReadFile("Ann.scout.orig"), original);
    EXPECT_EQ(ReadFile("Ann.scout").find('\0'), std::string::npos);
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>7</Troop>"));
    f->Save1Click(nullptr);
    f->SaveCurrentScout();
    EXPECT_EQ(ReadFile("Ann.scout.orig"), original);
    EXPECT_EQ(desktop().Messages.size(), 1u);

    // A saved file holds nothing to keep aside; a file damaged again keeps
    // the first copy and goes beside it.
    Load("Ann");
    EXPECT_EQ(desktop().Messages.size(), 1u);
    f->SaveCurrentScout();
    const std::string again = "01/01/2025\n<Scout>\n   <Troop>8\x01</Troop>\n</Scout>\n";
    WriteFile("Ann.scout", again);
    Load("Ann");
    ASSERT_EQ(desktop().Messages.size(), 2u);
    EXPECT_NE(desktop().Messages[1].find("line 3"), AnsiString::npos) << desktop().Messages[1];
    f->SaveCurrentScout();
    EXPECT_EQ(ReadFile("Ann.scout.orig"), original);
    EXPECT_EQ(ReadFile("Ann.scout.orig2"), again);
}

TEST_F(ForeignFile, AFileThatCannotBeKeptAsideIsNotSaved) {
    const std::string original = "01/01/2025\n<Scout>\n   <Troop>7\x02</Troop>\n</Scout>\n";
    WriteFile("Ann.scout", original);
    CreateDir("Ann.scout.orig");  // its place is taken by a folder
    Load("Ann");
    EXPECT_NE(desktop().Messages.at(0).find("Ann.scout.orig2"), AnsiString::npos) << desktop().Messages[0];
    // Nothing can stand at the new place either: the save fails, reported, and the file stays whole.
    CreateDir("Ann.scout.orig2");
    f->editTroop->SetText("9");
    f->SaveCurrentScout();
    EXPECT_EQ(f->CurrentScout, "Ann");
    ASSERT_EQ(desktop().Messages.size(), 2u);
    EXPECT_NE(desktop().Messages[1].find("Could not save Ann.scout"), AnsiString::npos) << desktop().Messages[1];
    EXPECT_EQ(ReadFile("Ann.scout"), original);
}
