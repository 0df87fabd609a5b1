// File > New Scout and File > Delete Current.
#include "records/tests/WindowFixture.h"

using NewDelete = WindowFixture;

TEST_F(NewDelete, NewScoutWritesBothFilesAndListsTheTrimmedName) {
    f->RefreshScoutList(5);
    desktop().QueueInput("  Ann Lee ");
    f->NewScout1Click(nullptr);
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Ann Lee created!"}));
    auto lines = FileLines("Ann Lee.scout");
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], Today());
    EXPECT_EQ(lines[17], "<Silverpalm>");
    EXPECT_EQ(lines[26], "</Serv>");
    EXPECT_EQ(ReadFile("Ann Lee.nts"), Today() + "\n");
    EXPECT_EQ(Items(f->cboSCTs->Items()), (std::vector<AnsiString>{"Ann Lee"}));  // back to filter mode 0
}

TEST_F(NewDelete, ExistingFilesAreKept) {
    WriteFile("Ann.scout", "old\n");
    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    EXPECT_EQ(desktop().Messages, (std::vector<AnsiString>{"Ann.scout already exists!"}));
    EXPECT_EQ(ReadFile("Ann.scout"), "old\n");

    WriteFile("Bob.nts", "old notes\n");
    desktop().QueueInput("Bob");
    f->NewScout1Click(nullptr);
    EXPECT_EQ(desktop().Messages.back(), "Bob created!");
    EXPECT_EQ(desktop().Messages[1], "Notes for Bob.nts already exists!");
    EXPECT_EQ(ReadFile("Bob.nts"), "old notes\n");
    EXPECT_TRUE(FileExists("Bob.scout"));
}

TEST_F(NewDelete, NewScoutSavesAndUnloadsTheLoadedScoutWhateverTheAnswer) {
    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    desktop().QueueInput("Bob");
    f->NewScout1Click(nullptr);

    f->RefreshScoutList(5);  // no leaders: an empty list
    Load("Ann");
    f->editTroop->SetText("12");
    desktop().QueueInput(std::nullopt);
    f->NewScout1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <Troop>12</Troop>"));
    EXPECT_EQ(Items(f->cboSCTs->Items()), (std::vector<AnsiString>{"Ann", "Bob"}));  // rebuilt with mode 0

    Load("Bob");
    f->editTroop->SetText("7");
    desktop().QueueInput("Ann");  // exists: only the message
    f->NewScout1Click(nullptr);
    EXPECT_EQ(desktop().Messages.back(), "Ann.scout already exists!");
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(Contains(FileLines("Bob.scout"), "   <Troop>7</Troop>"));
}

TEST_F(NewDelete, NamesOutsideTheDataFolderAreRefused) {
    for (const char* name : {"../Ann", "a\\b", " . ", "..", "   ", "a\tb"}) {
        desktop().QueueInput(name);
        f->NewScout1Click(nullptr);
    }
    EXPECT_EQ(desktop().Messages.size(), 6u);
    EXPECT_TRUE(ListFiles("*").empty());
    EXPECT_FALSE(FileExists("../Ann.scout"));
    desktop().QueueInput(std::nullopt);  // a cancel: no message, no file
    f->NewScout1Click(nullptr);
    EXPECT_EQ(desktop().Messages.size(), 6u);
}

TEST_F(NewDelete, DeleteAsksAndACancelDeletesNothing) {
    f->DeleteCurrent1Click(nullptr);  // nothing loaded: nothing asked
    EXPECT_TRUE(desktop().Inputs.empty());

    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    Load("Ann");
    desktop().QueueInput(std::nullopt);
    f->DeleteCurrent1Click(nullptr);
    desktop().QueueInput("Yes");
    f->DeleteCurrent1Click(nullptr);
    EXPECT_EQ(f->CurrentScout, "Ann");
    EXPECT_TRUE(FileExists("Ann.scout"));
    EXPECT_EQ(desktop().Inputs.back().prompt, "Delete Ann? (Y/N)");
    EXPECT_EQ(desktop().Inputs.back().defaultValue, "Y");
}

TEST_F(NewDelete, APictureLeftBehindShowsAgainForANewScoutOfThatName) {
    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    CopyWholeFile((SampleFolderPath() / "Tommy Adams.jpg").string(), "Ann.jpg");
    Load("Ann");
    EXPECT_TRUE(f->imageScout->Visible());
    desktop().QueueInput("y");
    desktop().QueueInput("n");
    f->DeleteCurrent1Click(nullptr);
    EXPECT_FALSE(FileExists("Ann.scout"));
    EXPECT_FALSE(FileExists("Ann.nts"));
    EXPECT_TRUE(FileExists("Ann.jpg"));
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(f->cboSCTs->Items()->Count() == 0);

    desktop().QueueInput("Ann");
    f->NewScout1Click(nullptr);
    Load("Ann");
    EXPECT_TRUE(f->imageScout->Visible());
    EXPECT_GT(f->imageScout->Picture()->Width(), 0);
}
