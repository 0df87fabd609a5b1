// Merit badges and other awards: adding one to the loaded scout through the
// pick dialog, opening an award's sheet from the four award lists, and the
// button that swaps the scout page and the requirement sheet.
#include "dialogs/addnew.h"
#include "records/Main.h"
#include "records/FieldRules.h"

void TForm1::AddAward(const AnsiString& kind) {
    if (CurrentScout.empty()) return;
    AddDlg->FileExt = kind;
    if (!AddDlg->Execute()) return;
    const AnsiString name = Trim(AddDlg->cboAdd->Text());
    if (name.empty()) return;
    if (AnsiString refusal = NameRefusal(name); !refusal.empty()) {
        ShowMessage(refusal);
        return;
    }
    const AnsiString openTag = "<" + kind + " " + name + ">";
    // A second section of that name would replace the first with its dates
    // and requirement entries, so an award the scout has is not added again.
    for (const AnsiString& line : masterlist->Items()->Lines())
        if (Trim(line) == openTag) {
            ShowMessage(CurrentScout + " already has " + name + ".");
            return;
        }
    const AnsiString today = DateToStr(Date());
    slavelist->Items()->Clear();
    slavelist->Items()->Add(ElementLine("Updated", today));
    slavelist->Items()->Add(ElementLine("Started", today));
    StoreSection(name + "*" + kind);
    FillAwardLists();
}

void TForm1::Button1Click(TObject*) { AddAward("Mb"); }
void TForm1::Button3Click(TObject*) { AddAward("Other"); }

void TForm1::OpenAwardSheet(TComboBox* list, const AnsiString& kind) { ShowAwardSheet(list->Text(), list->Text(), kind); }

void TForm1::cboMBiClick(TObject*) { OpenAwardSheet(cboMBi, "Mb"); }
void TForm1::cboMBeClick(TObject*) { OpenAwardSheet(cboMBe, "Mb"); }
void TForm1::cboOtheriClick(TObject*) { OpenAwardSheet(cboOtheri, "Other"); }
void TForm1::cboOthereClick(TObject*) { OpenAwardSheet(cboOthere, "Other"); }

void TForm1::btnNotesClick(TObject*) {
    if (CurrentScout.empty()) return;
    if (pnlNotes->Visible()) {
        pnlNotes->Hide();
        btnNotes->SetCaption("Scout");
    } else {
        pnlNotes->Show();
        btnNotes->SetCaption("Reqs");
    }
}
