// Merit badges and other awards: the pick dialog's offer, adding an award to
// the loaded scout, and opening award sheets from the four lists.
#include "records/tests/SheetFixture.h"

class AwardTest : public SheetFixture {
protected:
    // Answers the next pick dialog with a name (typed or picked), or cancels it.
    void Answer(const AnsiString& name, int result = mrOk) {
        desktop().QueueModal([name, result](TForm* form) {
            static_cast<TAddDlg*>(form)->cboAdd->SetText(name);
            return result;
        });
    }
    const std::vector<AnsiString> withBadge{"<Mb Knots>", "   <Started>01/01/2026</Started>", "</Mb Knots>"};
};

TEST_F(AwardTest, NothingHappensWithoutAScoutOrWhenCancelled) {
    UserInput::Click(f->Button1);
    UserInput::Click(f->btnNotes);
    EXPECT_TRUE(desktop().ModalForms.empty());
    EXPECT_TRUE(f->pnlNotes->Visible());

    StandScout("Ann", withBadge);
    Answer("Camping", mrCancel);
    UserInput::Click(f->Button1);
    Answer("   ");
    UserInput::Click(f->Button1);
    EXPECT_EQ(Master(), (std::vector<AnsiString>{"01/01/2025", "<Mb Knots>", "   <Started>01/01/2026</Started>", "</Mb Knots>"}));
}

TEST_F(AwardTest, ThePickDialogOffersSortedCatalogNamesOfItsKind) {
    for (const char* file : {"Zoology.mb", "Camping.Mb", "archery.MB", "Flag.Other", "Camping.Mb.Mb"}) WriteCatalog(file, 1);
    StandScout("Ann");
    std::vector<AnsiString> offered;
    desktop().QueueModal([&](TForm* form) {
        offered = static_cast<TAddDlg*>(form)->cboAdd->Items()->Lines();
        return mrCancel;
    });
    UserInput::Click(f->Button1);
    EXPECT_EQ(offered, (std::vector<AnsiString>{"archery", "Camping", "Camping", "Zoology"}));
}

TEST_F(AwardTest, AnAddedBadgeIsListedInPlaceAndItsSectionComesLast) {
    StandScout("Ann", withBadge);
    f->FillAwardLists();
    Answer("Camping");
    UserInput::Click(f->Button1);
    EXPECT_EQ(f->cboMBi->Items()->Lines(), (std::vector<AnsiString>{"Camping", "Knots"}));
    EXPECT_EQ(f->lblInProgress->Caption(), "In Progress - 2");
    auto lines = Master();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<AnsiString>(lines.end() - 4, lines.end()),
              (std::vector<AnsiString>{"<Mb Camping>", "   <Updated>" + Today() + "</Updated>",
                                       "   <Started>" + Today() + "</Started>", "</Mb Camping>"}));

    // No catalog for it: its sheet reports the missing file.
    UserInput::Pick(f->cboMBi, 0);
    EXPECT_EQ(desktop().Messages.back(), "File error - Camping.Mb does not exist");

    // A badge the scout has, or a name the file cannot hold, is refused and changes nothing.
    lines = Master();
    Answer("Knots");
    UserInput::Click(f->Button1);
    Answer("Fire<Safety");
    UserInput::Click(f->Button1);
    Answer("Star*x");  // would be stored as the rank Star's section
    UserInput::Click(f->Button1);
    EXPECT_EQ(Master(), lines);
    EXPECT_EQ(desktop().Messages.size(), 4u);

    // "Add" of the other panel offers and adds an award of its own kind; the
    // same name as a merit badge stays a separate award.
    WriteCatalog("Camping.Other", 1);
    std::vector<AnsiString> offered;
    desktop().QueueModal([&offered](TForm* form) {
        auto* dialog = static_cast<TAddDlg*>(form);
        offered = dialog->cboAdd->Items()->Lines();
        dialog->cboAdd->SetText("Camping");
        return mrOk;
    });
    UserInput::Click(f->Button3);
    EXPECT_EQ(offered, std::vector<AnsiString>{"Camping"});
    EXPECT_EQ(f->cboOtheri->Items()->Lines(), std::vector<AnsiString>{"Camping"});
    EXPECT_EQ(f->lblOInProgress->Caption(), "In Progress - 1");
    EXPECT_EQ(f->cboMBi->Items()->Count(), 2);
    EXPECT_EQ(Master().end()[-4], "<Other Camping>");
    EXPECT_EQ(Master().back(), "</Other Camping>");
}

TEST_F(AwardTest, TheNotesButtonSwapsTheScoutPageAndTheSheet) {
    StandScout("Ann");
    UserInput::Click(f->btnNotes);
    EXPECT_FALSE(f->pnlNotes->Visible());
    EXPECT_EQ(f->btnNotes->Caption(), "Scout");
    UserInput::Click(f->btnNotes);
    EXPECT_TRUE(f->pnlNotes->Visible());
    EXPECT_EQ(f->btnNotes->Caption(), "Reqs");
}

TEST_F(AwardTest, TheSheetBeingLeftIsStoredUnderItsOwnKind) {
    WriteCatalog("Flag.Other", 2);
    WriteCatalog("Flag.Mb", 2);
    StandScout("Ann", {"<Other Flag>", "<Started>01/01/2026</Started>", "</Other Flag>",
                       "<Mb Flag>", "<Started>01/02/2026</Started>", "</Mb Flag>"});
    f->FillAwardLists();
    UserInput::Pick(f->cboOtheri, 0);
    UserInput::Type(f->RowCounselorEdit[0], "Eve");
    UserInput::Pick(f->cboMBi, 0);
    EXPECT_EQ(f->deditStarted->Text(), "01/02/2026");
    int open = MasterIndex("<Other Flag>");
    EXPECT_EQ(open, static_cast<int>(Master().size()) - 16);
    EXPECT_EQ(Master()[open + 8], "      <reqcs>Eve</reqcs>");
    EXPECT_EQ(MasterIndex("<Mb Flag>"), 1);  // not stored until it is left
}
