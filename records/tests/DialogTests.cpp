// The pick dialog and the date dialog: their forms, how they close, and the
// pick dialog's offer rebuilt at every showing.
#include "records/tests/SheetFixture.h"

class DialogTest : public SheetFixture {
protected:
    // Shows a dialog whose user presses button (or the window's close box when null).
    static bool CloseWith(TForm* form, TButton* button, ScriptedDesktop& desktop, bool (*execute)(TForm*)) {
        desktop.QueueModal([button](TForm* shown) {
            if (button) UserInput::Click(button);
            else UserInput::CloseBox(shown);
            return shown->ModalResult();
        });
        return execute(form);
    }
    static bool ExecuteAdd(TForm* form) { return static_cast<TAddDlg*>(form)->Execute(); }
    static bool ExecuteDate(TForm* form) { return static_cast<TDateDlg*>(form)->Execute(); }
};

TEST_F(DialogTest, BothDialogsCloseWithOkOnlyByTheirOkButton) {
    struct Case { TForm* form; TButton* ok; TButton* cancel; bool (*execute)(TForm*); };
    for (const Case& c : {Case{AddDlg, AddDlg->OKBtn, AddDlg->CancelBtn, ExecuteAdd},
                          Case{DateDlg, DateDlg->OKBtn, DateDlg->CancelBtn, ExecuteDate}}) {
        SCOPED_TRACE(c.form->ClassName());
        // Enter presses the default button, Escape the cancel button.
        EXPECT_TRUE(c.ok->Default());
        EXPECT_EQ(c.ok->ModalResult(), mrOk);
        EXPECT_TRUE(c.cancel->Cancel());
        EXPECT_EQ(c.cancel->ModalResult(), mrCancel);
        EXPECT_EQ(c.form->BorderStyle(), bsDialog);
        EXPECT_EQ(c.form->Position(), poScreenCenter);

        EXPECT_TRUE(CloseWith(c.form, c.ok, desktop(), c.execute));
        EXPECT_FALSE(CloseWith(c.form, c.cancel, desktop(), c.execute));
        EXPECT_FALSE(CloseWith(c.form, nullptr, desktop(), c.execute));
        EXPECT_FALSE(c.form->Visible());
    }
    EXPECT_EQ(AddDlg->Caption(), "Add");
    EXPECT_EQ(AddDlg->ClientWidth(), 385);
    EXPECT_EQ(AddDlg->ClientHeight(), 149);
    EXPECT_EQ(DateDlg->Caption(), "Pick a date");
    EXPECT_EQ(DateDlg->ClientWidth(), 292);
    EXPECT_EQ(DateDlg->ClientHeight(), 255);
    EXPECT_EQ(AddDlg->Label1->Caption(), "Select:");
    EXPECT_TRUE(AddDlg->Label1->Font()->Style() & fsBold);
    EXPECT_FALSE(AddDlg->flb->Visible());
    EXPECT_TRUE(desktop().Unexpected.empty());
}

TEST_F(DialogTest, ThePickListIsRebuiltFromTheFolderAtEveryShowing) {
    WriteCatalog("Knots.Mb", 1);
    WriteCatalog("Flag.Other", 1);
    std::vector<AnsiString> offered;
    auto answer = [&](const AnsiString& typed) {
        desktop().QueueModal([&offered, typed](TForm* form) {
            auto* dialog = static_cast<TAddDlg*>(form);
            offered = dialog->cboAdd->Items()->Lines();
            offered.push_back("[" + dialog->cboAdd->Text() + "]");
            dialog->cboAdd->SetText(typed);
            return mrCancel;
        });
    };
    AddDlg->FileExt = "Mb";
    answer("Typed");
    AddDlg->Execute();
    EXPECT_EQ(offered, (std::vector<AnsiString>{"Knots", "[]"}));
    EXPECT_EQ(AddDlg->FileExt, "MB");  // upper-cased by the showing

    // A catalog made since is offered, and what was typed before is gone.
    WriteCatalog("Cooking.mB", 1);
    AddDlg->FileExt = "Other";
    answer("");
    AddDlg->Execute();
    EXPECT_EQ(offered, (std::vector<AnsiString>{"Flag", "[]"}));
    AddDlg->FileExt = "Mb";
    answer("");
    AddDlg->Execute();
    EXPECT_EQ(offered, (std::vector<AnsiString>{"Cooking", "Knots", "[]"}));
}

// A catalog is found whatever the case of its letters, the exact name first.
TEST_F(DialogTest, ACatalogFileIsFoundWhateverTheCaseOfItsName) {
    EXPECT_EQ(CatalogFileName("Knots", "Mb"), "Knots.Mb");
    WriteCatalog("Knots.MB", 1);
    EXPECT_EQ(CatalogFileName("Knots", "Mb"), "Knots.MB");
    EXPECT_EQ(CatalogFileName("knots", "Mb"), "Knots.MB");
    WriteCatalog("Knots.Mb", 1);
    EXPECT_EQ(CatalogFileName("Knots", "Mb"), "Knots.Mb");
    EXPECT_EQ(CatalogFileName("Knots", "Other"), "Knots.Other");
    EXPECT_EQ(CatalogFileName("Kn?ts", "Mb"), "Kn?ts.Mb");  // no wildcard matching
}
