// The catalog editor: requirement numbers in sorted place, the line format
// through a load and a write, and the commands that must not lose a catalog.
#include <sys/stat.h>

#include <cstdio>

#include "records/tests/SheetFixture.h"

class CatalogEditorTest : public SheetFixture {
protected:
    void ShowEditor() {
        if (!f->pnlAdd->Visible()) UserInput::ClickMenu(f->AddMBReqs1);
    }
    void Open(const AnsiString& name) {
        ShowEditor();
        int index = f->cboMBs->Items()->IndexOf(name);
        ASSERT_GE(index, 0) << name;
        UserInput::Pick(f->cboMBs, index);
    }
    void AddNumber(const AnsiString& a, const AnsiString& b = "") {
        UserInput::Type(f->editReq1, a);
        UserInput::Type(f->editReq2, b);
        UserInput::Click(f->btnAddNewReq);
    }
    void Select(int item) {
        UserInput::Pick(f->lbReqlist, item);
        UserInput::KeyUp(f->lbReqlist, 0, 0);
    }
    std::vector<AnsiString> List() const { return f->lbReqlist->Items()->Lines(); }
};

TEST_F(CatalogEditorTest, NewNumbersTakeTheirSortedPlaceInListAndFile) {
    WriteFile("Knots.Mb", "d\n  1 -   a\x1e" "A\x1e\n  1 -   c\x1e" "C\x1e\n  2\x1e" "B\x1e\n");
    ShowEditor();
    UserInput::Type(f->editNewMB, "Camping");
    UserInput::Click(f->btnAddReq);
    EXPECT_EQ(desktop().Messages.back(), "Camping created!");
    EXPECT_EQ(ReadFile("Camping.Mb"), Today() + "\n");
    Open("Camping");
    AddNumber("2");
    AddNumber("10");
    AddNumber("1");
    EXPECT_EQ(List(), (std::vector<AnsiString>{"  1", "  2", " 10"}));
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Camping.Mb"), Today() + "\n  1\x1e\x1e\n  2\x1e\x1e\n 10\x1e\x1e\n");
    EXPECT_EQ(f->lbReqlist->Items()->Count(), 0);

    Open("Knots");
    AddNumber("1", "b");
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Knots.Mb"), "d\n  1 -   a\x1e" "A\x1e\n  1 -   b\x1e\x1e\n  1 -   c\x1e" "C\x1e\n  2\x1e" "B\x1e\n");
}

TEST_F(CatalogEditorTest, LinesAreReadByTheCatalogRuleAndWrittenWithLineFeeds) {
    WriteFile("Hiking.Mb", "d\r\n1\x1es\x1e" "a\tgone\r\n\r\n2\x1es\x1e" "b\xe9gone\r\n3\x1es\x1e" "c|d\r\n");
    Open("Hiking");
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Hiking.Mb"), "d\n1\x1es\x1e" "a\n2\x1es\x1e" "b\n3\x1es\x1e" "c|d\n");
}

TEST_F(CatalogEditorTest, DescriptionsRoundTripAndOnlyTheSelectedLineChanges) {
    WriteFile("Cooking.Mb", "d\n1\x1e\x1e\n2\x1e\x1e\n");
    WriteCatalog("Other.Mb", 1);
    Open("Cooking");
    Select(1);
    UserInput::Type(f->editShort, "Plan meals");
    UserInput::Type(f->memoReq, "one\r\ntwo\r\nthree");
    UserInput::Click(f->btnSaveReq);
    UserInput::Click(f->btnSaveReq);  // nothing selected any more: the line keeps its texts
    Select(1);
    EXPECT_EQ(f->editShort->Text(), "Plan meals");
    EXPECT_EQ(f->memoReq->Lines()->Lines(), (std::vector<AnsiString>{"one", "two", "three"}));
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Cooking.Mb"), "d\n1\x1e\x1e\n2\x1ePlan meals\x1eone|two|three\n");

    // Unsaved edits of one catalog never reach its file when another is chosen.
    Open("Cooking");
    Select(0);
    UserInput::Click(f->DeleteMbReq);
    Open("Other");
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Cooking.Mb"), "d\n1\x1e\x1e\n2\x1ePlan meals\x1eone|two|three\n");
}

TEST_F(CatalogEditorTest, CommandsThatWouldLoseACatalogAreRefused) {
    WriteCatalog("Big.Mb", 151);
    WriteCatalog("Full.Mb", 150);
    const std::string big = ReadFile("Big.Mb");
    Open("Big");
    EXPECT_NE(desktop().Messages.back().find("more than 150"), AnsiString::npos);
    EXPECT_EQ(f->lbReqlist->Items()->Count(), 0);
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Big.Mb"), big);

    Open("Full");
    AddNumber("151");
    EXPECT_EQ(desktop().Messages.back(), "Not added");
    EXPECT_EQ(f->lbReqlist->Items()->Count(), 150);
    UserInput::Click(f->DeleteMbReq);  // nothing selected
    EXPECT_EQ(f->CatalogCount, 150);

    UserInput::Type(f->editNewMB, "a/b");
    EXPECT_EQ(f->editNewMB->Text(), "ab");
    f->editNewMB->SetText("../Escape");  // a text that did not come through typing
    UserInput::Click(f->btnAddReq);
    EXPECT_NE(desktop().Messages.back().find("\"/\""), AnsiString::npos);
    EXPECT_FALSE(FileExists("../Escape.Mb"));
    UserInput::Type(f->editNewMB, "Full");
    UserInput::Click(f->btnAddReq);
    EXPECT_EQ(desktop().Messages.back(), "Full already exists!");
}

TEST_F(CatalogEditorTest, AFailedWriteIsReportedAndTheEditorKeepsItsContent) {
    WriteCatalog("Swim.Mb", 2);
    Open("Swim");
    AddNumber("3");
    std::remove("Swim.Mb");
    ASSERT_EQ(mkdir("Swim.Mb", 0755), 0);  // a folder cannot be replaced by the file
    UserInput::Click(f->btnUpdateReq);
    EXPECT_NE(desktop().Messages.back().find("Swim.Mb"), AnsiString::npos);
    EXPECT_EQ(f->lbReqlist->Items()->Count(), 3);
    EXPECT_EQ(f->cboMBs->Text(), "Swim");
}

TEST_F(CatalogEditorTest, CatalogsAreListedByKindWhateverTheCaseOfTheExtension) {
    WriteCatalog("Knots.MB", 1);
    WriteCatalog("Flag.Other", 1);
    WriteCatalog("Second Class.Rank", 1);
    ShowEditor();
    EXPECT_EQ(f->cboMBs->Items()->Lines(), std::vector<AnsiString>{"Knots"});
    UserInput::CheckRadio(f->rbRank);
    EXPECT_EQ(f->cboMBs->Items()->Lines(), std::vector<AnsiString>{"Second Class"});
}
