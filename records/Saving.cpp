// Saving the loaded scout to its files, emptying the window, File > Save and
// Edit > Undo Current Changes.
#include "records/Main.h"

bool TForm1::WriteCurrentScout() {
    UnsavedFile = CurrentScout + ".scout";
    StoreListSection(rbPositions->Checked() ? 0 : rbCamps->Checked() ? 1 : 2);

    const AnsiString today = DateToStr(Date());
    const char* medform = rbMF1->Checked() ? "1" : rbMF2->Checked() ? "2" : rbMF3->Checked() ? "3" : "0";
    TStrings* lines = slavelist->Items();
    lines->Clear();
    lines->Add(ElementLine("Updated", today));
    lines->Add(ElementLine("Guardian", editGuardian->Text()));
    lines->Add(ElementLine("Patrol", editPatrol->Text()));
    lines->Add(ElementLine("Troop", editTroop->Text()));
    lines->Add(ElementLine("Nickname", editNickname->Text()));
    lines->Add(ElementLine("Address", editAddress->Text()));
    lines->Add(ElementLine("City", editCity->Text()));
    lines->Add(ElementLine("State", editState->Text()));
    lines->Add(ElementLine("Zip", editZip->Text()));
    lines->Add(ElementLine("Phone", editPhone->Text()));
    lines->Add(ElementLine("Birthdate", dateBirthdate->Text()));
    lines->Add(ElementLine("Meddate", dateMeddate->Text()));
    lines->Add(ElementLine("Medform", medform));
    lines->Add(ElementLine("Email", editEmail->Text()));
    StoreSection("Scout*");

    StoreOpenSheet();

    std::string bytes;
    for (const AnsiString& line : masterlist->Items()->Lines()) {
        bytes += line;
        bytes += '\n';
    }
    // UnsavedFile names the file being written, which a failure reports.
    try {
        if (!KeepAsideName.empty()) {
            WriteWholeFile(KeepAsideName, KeepAsideBytes);
            KeepAsideName.clear();
            KeepAsideBytes.clear();
        }
        // A scout saved again without a change (as the one-scout reports do
        // after a save) costs a read instead of a write to disk.
        WriteWholeFileIfChanged(UnsavedFile, bytes);
        UnsavedFile = CurrentScout + ".nts";
        WriteWholeFileIfChanged(UnsavedFile, memoNotes->Lines()->Text());
    } catch (const EInOutError& e) {
        ShowMessage("Could not save " + UnsavedFile + ": " + e.Message());
        return false;
    }
    UnsavedFile.clear();
    return true;
}

AnsiString TForm1::FreeKeepAsideName(const AnsiString& scoutFile, const std::string& bytes) {
    for (int n = 1;; ++n) {
        AnsiString name = scoutFile + ".orig" + (n == 1 ? AnsiString() : IntToStr(n));
        std::string kept;
        if (DirectoryExists(name)) continue;
        if (!FileExists(name) || (ReadWholeFile(name, kept) && kept == bytes)) return name;
    }
}

void TForm1::SaveCurrentScout() {
    if (!CurrentScout.empty() && !WriteCurrentScout()) return;
    if (ResetAfterSave) ClearScoutForm();
}

bool TForm1::SaveAndUnload(const AnsiString& goOnQuestion) {
    if (CurrentScout.empty()) return true;
    bool saved = false;
    try {
        saved = WriteCurrentScout();
    } catch (const Exception& e) {
        Application->ShowException(e);
    }
    // A scout that cannot be saved never holds the user: after the message,
    // Yes goes on and leaves the files as they are on disk; No keeps the
    // scout loaded with every edit.
    if (!saved && !AskYesNo("Could not save " + UnsavedFile + ". " + goOnQuestion)) return false;
    ClearScoutForm();
    return true;
}

void TForm1::ClearScoutForm() {
    ClearSheet();
    for (TComboBox* list : {cboMBi, cboMBe, cboOtheri, cboOthere}) list->Clear();  // items and text
    SetCaption("Trailbook");
    lblInProgress->SetCaption("In Progress - 0");
    lblEarned->SetCaption("Earned - 0");
    lblOInProgress->SetCaption("In Progress - 0");
    lblOEarned->SetCaption("Earned - 0");
    imageScout->Hide();
    ClearListFields();
    lbPositions->Items()->Clear();
    // Back to the positions list, which stays empty; when it is shown already,
    // nothing changes.
    if (!rbPositions->Checked()) {
        rbPositions->SetChecked(true);  // its click handler switches to the positions list
        ListMode = 0;
        ShowListMode(0);
    }
    lbPositions->Items()->Clear();
    pnlNotes->Show();
    btnNotes->SetCaption("Reqs");
    for (TLabel* label : {lblAdvT, lblAdv2, lblAdvF, lblAdvS, lblAdvL, lblAdvE, lblAdvGP, lblAdvBP, lblAdvSP})
        label->SetCaption("");
    for (TShape* mark : {shapeT, shape2, shapeF, shapeS, shapeL, shapeE, shapeGP, shapeSP, shapeBP})
        mark->Brush()->SetColor(clBtnFace);
    memoNotes->Clear();
    for (TEdit* edit : {editPatrol, editTroop, editNickname, editGuardian, editAddress, editCity, editState, editZip,
                        editPhone, editEmail, dateBirthdate, dateMeddate})
        edit->SetText("");
    for (TRadioButton* button : {rbMF1, rbMF2, rbMF3}) button->SetChecked(false);
    CurrentScout = "";
    KeepAsideName.clear();
    KeepAsideBytes.clear();
    masterlist->Items()->Clear();
    slavelist->Items()->Clear();
}

void TForm1::Save1Click(TObject*) {
    if (!CurrentScout.empty()) ResetAfterSave = false;
    try {
        SaveCurrentScout();
    } catch (...) {
        ResetAfterSave = true;
        throw;
    }
    ResetAfterSave = true;
}

void TForm1::UndoCurrentChanges1Click(TObject*) {
    const AnsiString name = CurrentScout;
    ClearScoutForm();
    cboSCTs->SetText(name);
    cboSCTs->Repaint();
    cboSCTsClick(cboSCTs);
}
