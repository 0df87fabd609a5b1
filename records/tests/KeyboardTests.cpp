// The main window by keyboard: where Tab goes on the scout page and in the
// catalog editor, and fields that hold what the window shows them holding.
#include <set>

#include "records/tests/WindowFixture.h"

class Keyboard : public WindowFixture {
protected:
    // Every control Tab reaches from the first one, in one round.
    std::vector<TWinControl*> TabRound() const {
        std::vector<TWinControl*> seen;
        TWinControl* first = f->FindNextControl(nullptr, true);
        for (TWinControl* c = first; c && seen.size() < 200; c = f->FindNextControl(c, true)) {
            seen.push_back(c);
            if (f->FindNextControl(c, true) == first) break;
        }
        return seen;
    }
    static bool Inside(const TControl* c, const TWinControl* panel) {
        for (; c; c = c->Parent())
            if (c == panel) return true;
        return false;
    }
};

TEST_F(Keyboard, TabFromStartUpReachesTheScoutListAndNothingUnderTheScoutPage) {
    std::vector<TWinControl*> round = TabRound();
    std::set<TWinControl*> reached(round.begin(), round.end());
    EXPECT_EQ(round.front(), f->cboMBi) << "the first control in the form's tab order";
    for (TWinControl* c : {static_cast<TWinControl*>(f->cboSCTs), static_cast<TWinControl*>(f->memoNotes),
                           static_cast<TWinControl*>(f->btnNotes), static_cast<TWinControl*>(f->rbMF3),
                           static_cast<TWinControl*>(f->editPos), static_cast<TWinControl*>(f->Button8)})
        EXPECT_TRUE(reached.count(c)) << c->Name();
    for (TWinControl* c : round) {
        EXPECT_FALSE(Inside(c, f->pnlScout)) << c->Name() << " lies under the scout page";
        EXPECT_TRUE(c->CanFocus()) << c->Name();
    }
    // With the scout page put away, the sheet's controls take its place.
    WriteScoutWith("Ann", {});
    Load("Ann");
    f->btnNotesClick(nullptr);
    round = TabRound();
    EXPECT_TRUE(std::find(round.begin(), round.end(), f->deditStarted) != round.end());
    EXPECT_TRUE(std::find(round.begin(), round.end(), f->cboSCTs) == round.end());
}

TEST_F(Keyboard, WithTheCatalogEditorOpenTabStaysInTheEditor) {
    f->AddMBReqs1Click(nullptr);
    std::vector<TWinControl*> round = TabRound();
    ASSERT_GE(round.size(), 10u);
    EXPECT_EQ(round.front(), f->rbMB);
    for (TWinControl* c : round) EXPECT_TRUE(Inside(c, f->pnlAdd)) << c->Name();
    f->btnCloseReqClick(nullptr);
    EXPECT_EQ(TabRound().front(), f->cboMBi);
}

TEST_F(Keyboard, ClearingTheWindowEmptiesTheAwardPickersText) {
    WriteScout("Ann", {"<Mb Cooking>", "   <Started>01/02/2025</Started>", "</Mb Cooking>"});
    Load("Ann");
    UserInput::Pick(f->cboMBi, 0);
    EXPECT_EQ(f->cboMBi->Text(), "Cooking");
    f->cboOthere->SetText("typed");
    f->ClearScoutForm();
    for (TComboBox* list : {f->cboMBi, f->cboMBe, f->cboOtheri, f->cboOthere}) {
        EXPECT_EQ(list->Text(), "") << list->Name();
        EXPECT_EQ(list->Items()->Count(), 0) << list->Name();
    }
}

TEST_F(Keyboard, ThePositionFieldTakesWhatUpdateKeeps) {
    WriteScoutWith("Ann", {});
    Load("Ann");
    UserInput::Type(f->editPos, AnsiString(150, 'p'));
    EXPECT_EQ(f->editPos->Text(), AnsiString(99, 'p'));
    f->Button5Click(nullptr);
    UserInput::Pick(f->lbPositions, 0);
    EXPECT_EQ(f->editPos->Text(), AnsiString(99, 'p'));
    f->Button6Click(nullptr);
    EXPECT_EQ(f->lbPositions->Items()->Lines(), (std::vector<AnsiString>{"\t--Current--\t" + AnsiString(99, 'p')}));
}
