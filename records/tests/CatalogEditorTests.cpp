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
    UserInput::Type(f->editShort, "Plan");
    UserInput::Click(f->btnSaveReq);
    EXPECT_EQ(f->editShort->Text(), "");
    // The save ends the selection: a second click writes no empty fields over it.
    UserInput::Click(f->btnSaveReq);
    UserInput::Type(f->editShort, "typed after the save");
    UserInput::Click(f->btnSaveReq);
    Select(1);
    EXPECT_EQ(f->editShort->Text(), "Plan");
    UserInput::Type(f->editShort, "Plan meals");
    UserInput::Type(f->memoReq, "one\r\ntwo\r\nthree");
    UserInput::Click(f->btnSaveReq);
    Select(1);
    EXPECT_EQ(f->editShort->Text(), "Plan meals");
    EXPECT_EQ(f->memoReq->Lines()->Lines(), (std::vector<AnsiString>{"one", "two", "three"}));

    // A release over no item empties the memo and changes nothing else; a key
    // with no item selected shows the selected requirement again.
    UserInput::MouseUp(f->lbReqlist, mbLeft, 0, 5, 13 * 10);
    EXPECT_TRUE(f->memoReq->Lines()->Lines().empty());
    EXPECT_EQ(f->editShort->Text(), "Plan meals");
    f->lbReqlist->SetItemIndex(-1);
    UserInput::KeyUp(f->lbReqlist, 0, 0);
    EXPECT_EQ(f->editShort->Text(), "Plan meals");
    EXPECT_EQ(f->memoReq->Lines()->Lines(), (std::vector<AnsiString>{"one", "two", "three"}));

    UserInput::Click(f->btnUpdateReq);
    const std::string saved = "d\n1\x1e\x1e\n2\x1ePlan meals\x1eone|two|three\n";
    EXPECT_EQ(ReadFile("Cooking.Mb"), saved);

    // Adding a number moves the lines after it, so the selection ends: a save
    // then changes no requirement.
    Open("Cooking");
    Select(1);
    AddNumber("1");
    UserInput::Type(f->editShort, "lost?");
    UserInput::Click(f->btnSaveReq);
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Cooking.Mb"), "d\n  1\x1e\x1e\n1\x1e\x1e\n2\x1ePlan meals\x1eone|two|three\n");
    WriteFile("Cooking.Mb", saved);

    // Unsaved edits of one catalog never reach its file when another is chosen.
    Open("Cooking");
    Select(0);
    UserInput::Click(f->DeleteMbReq);
    Open("Other");
    UserInput::Click(f->btnUpdateReq);
    EXPECT_EQ(ReadFile("Cooking.Mb"), saved);
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

TEST_F(CatalogEditorTest, FieldsTakeOnlyWhatACatalogLineHolds) {
    ShowEditor();
    UserInput::Type(f->editReq1, "1\ta");
    EXPECT_EQ(f->editReq1->Text(), "1a");
    UserInput::Type(f->editShort, AnsiString(200, 's') + "\x1e");
    EXPECT_EQ(f->editShort->Text(), AnsiString(149, 's'));
    UserInput::Type(f->memoReq, "one|\r\ntwo\x1e");
    EXPECT_EQ(f->memoReq->Lines()->Lines(), (std::vector<AnsiString>{"one", "two"}));
    UserInput::Type(f->cboMBs, "a/b<c>|d");
    EXPECT_EQ(f->cboMBs->Text(), "abcd");
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

TEST_F(CatalogEditorTest, CatalogsAreListedAndEditedByKindWhateverTheCaseOfTheExtension) {
    WriteCatalog("Knots.MB", 1);
    WriteCatalog("Flag.Other", 1);
    WriteCatalog("Second Class.Rank", 1);
    ShowEditor();
    EXPECT_EQ(f->cboMBs->Items()->Lines(), std::vector<AnsiString>{"Knots"});

    // The listed file is the one opened, written and found by a creation.
    Open("Knots");
    EXPECT_EQ(List(), std::vector<AnsiString>{"1"});
    AddNumber("2");
    UserInput::Click(f->btnUpdateReq);
    EXPECT_FALSE(FileExists("Knots.Mb"));
    EXPECT_EQ(ReadFile("Knots.MB"), "01/01/2020\n  2\x1e\x1e\n1\x1eshort 1\x1e" "full 1\n");
    UserInput::Type(f->editNewMB, "Knots");
    UserInput::Click(f->btnAddReq);
    EXPECT_EQ(desktop().Messages.back(), "Knots already exists!");
    EXPECT_FALSE(FileExists("Knots.Mb"));

    UserInput::CheckRadio(f->rbRank);
    EXPECT_EQ(f->cboMBs->Items()->Lines(), std::vector<AnsiString>{"Second Class"});
}

// Every control of the editor stands at its place with its caption; bold
// captions use the bold face. Labels are found by their captions.
TEST_F(CatalogEditorTest, TheEditorPanelHoldsItsControlsInPlace) {
    struct Place {
        TControl* control;
        const char* caption;
        int left, top, width, height;  // width and height 0: not fixed
        bool bold;
    };
    auto label = [this](const AnsiString& caption) -> TControl* {
        for (int i = 0; i < f->pnlAdd->ControlCount(); ++i)
            if (auto* l = dynamic_cast<TLabel*>(f->pnlAdd->Controls(i)); l && l->Caption() == caption) return l;
        return nullptr;
    };
    const Place places[] = {
        {f->pnlAddReq, nullptr, 34, 8, 322, 25, false},
        {f->rbMB, "Merit Badge", 19, 4, 0, 0, true},
        {f->rbRank, "Rank", 145, 4, 0, 0, true},
        {f->rbOther, "Other", 233, 4, 0, 0, true},
        {label("Select a Requirement to change:"), nullptr, 68, 36, 0, 0, true},
        {f->cboMBs, nullptr, 116, 60, 141, 21, false},
        {label("or create a new one:"), nullptr, 100, 88, 0, 0, true},
        {f->editNewMB, nullptr, 120, 108, 101, 21, false},
        {f->btnAddReq, "Add", 224, 109, 33, 21, false},
        {label("Requirement List"), nullptr, 124, 156, 0, 0, true},
        {f->lbReqlist, nullptr, 100, 176, 165, 345, false},
        {f->Memo2, nullptr, 404, 24, 433, 205, true},
        {label("Add a new requirement"), nullptr, 567, 249, 0, 0, false},
        {f->editReq1, nullptr, 535, 268, 0, 21, false},
        {f->editReq2, nullptr, 567, 268, 0, 21, false},
        {f->editReq3, nullptr, 600, 268, 0, 21, false},
        {f->editReq4, nullptr, 631, 268, 0, 21, false},
        {label("Nbr"), nullptr, 0, 293, 0, 0, false},
        {label("level 2"), nullptr, 0, 293, 0, 0, false},
        {label("-3"), nullptr, 0, 293, 0, 0, false},
        {label("-4"), nullptr, 0, 293, 0, 0, false},
        {f->btnAddNewReq, "Add", 668, 270, 32, 21, false},
        {label("Short Description"), nullptr, 424, 332, 0, 0, true},
        {f->editShort, nullptr, 412, 352, 141, 21, false},
        {f->btnSaveReq, "Save Changes to Requirement", 588, 352, 197, 25, true},
        {f->DeleteMbReq, "Delete", 800, 352, 69, 25, false},
        {label("Full Requirement Description"), nullptr, 384, 380, 0, 0, true},
        {f->memoReq, nullptr, 372, 404, 497, 129, true},
        {f->btnUpdateReq, "Save Changes to the Award", 460, 547, 313, 25, true},
        {f->btnCloseReq, "Close", 834, 581, 75, 25, true},
    };
    for (const Place& p : places) {
        ASSERT_NE(p.control, nullptr) << p.top;
        SCOPED_TRACE(p.control->Name());
        if (p.caption) {
            EXPECT_EQ(p.control->Caption(), p.caption);
        }
        EXPECT_EQ(p.control->Left(), p.left ? p.left : p.control->Left());
        EXPECT_EQ(p.control->Top(), p.top);
        EXPECT_EQ(p.control->Width(), p.width ? p.width : p.control->Width());
        EXPECT_EQ(p.control->Height(), p.height ? p.height : p.control->Height());
        EXPECT_EQ((p.control->Font()->Style() & fsBold) != 0, p.bold);
        EXPECT_EQ(p.control->Font()->Name(), "MS Sans Serif");
    }
    EXPECT_TRUE(f->rbMB->Checked());
    EXPECT_TRUE(f->cboMBs->Sorted());
    EXPECT_TRUE(f->lbReqlist->Sorted());
    EXPECT_EQ(f->memoReq->ScrollBars(), ssVertical);
    EXPECT_EQ(f->Memo2->BorderStyle(), 0);
    EXPECT_EQ(f->Memo2->Color(), clOlive);
    EXPECT_EQ(f->Memo2->Font()->Color(), clAqua);
    std::vector<AnsiString> guidance;
    for (const AnsiString& line : f->Memo2->Lines()->Lines()) guidance.push_back(Trim(line));
    EXPECT_EQ(guidance, (std::vector<AnsiString>{"Requirement Entry", "", "Select a badge to change or Create a new one.",
                                                 "Enter the requirement numbers as", "Requirement number (numeric)",
                                                 "Sub requirement (alpha or numeric)", "Sub Sub req (numeric or alpha)",
                                                 "Sub Sub Sub req (alpha or numeric)", "",
                                                 "Changes are filed only when Merit badge is saved."}));
    EXPECT_FALSE(f->flb->Visible());
}
