// Merit badges and other awards: adding one to the loaded scout through the
// pick dialog, opening an award's sheet from the four award lists, and the
// button that swaps the scout page and the requirement sheet.
#include "dialogs/addnew.h"
#include "records/Main.h"

namespace {

// The close tag of a section is built from at most 99 characters of its open
// tag, so the text between "<" and ">" may hold at most 98.
constexpr size_t MaxTagText = 98;

}  // namespace

AnsiString TForm1::NameRefusal(const AnsiString& name) {
    const AnsiString trimmed = Trim(name);
    if (trimmed.empty() || trimmed == "." || trimmed == "..") return "Please enter a name.";
    for (unsigned char c : name) {
        if (c == '/' || c == '\\')
            return "\"" + name + "\" cannot be used: a name may not hold \"/\" or \"\\\".";
        // "*" would split the name where a section is stored ("Star*x" is the rank Star).
        if (c < 32 || c > 127 || c == '<' || c == '>' || c == '|' || c == '*')
            return "\"" + name + "\" cannot be used: a name may not hold \"<\", \">\", \"|\", \"*\", control "
                   "characters or letters outside plain ASCII.";
    }
    return "";
}

void TForm1::AddAward(const AnsiString& kind) {
    if (CurrentScout.empty()) return;
    AddDlg->FileExt = kind;
    if (!AddDlg->Execute()) return;
    const AnsiString name = AddDlg->cboAdd->Text();
    if (Trim(name).empty()) return;
    if (AnsiString refusal = NameRefusal(name); !refusal.empty()) {
        ShowMessage(refusal);
        return;
    }
    const AnsiString openTag = "<" + kind + " " + name + ">";
    if (openTag.size() - 2 > MaxTagText) {
        ShowMessage("\"" + name + "\" is too long for a name.");
        return;
    }
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
