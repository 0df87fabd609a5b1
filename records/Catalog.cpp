// The requirement catalog editor (panel pnlAdd): choosing or creating a
// catalog of a kind, adding requirement numbers in sorted place, editing a
// requirement's short and full description, deleting requirements and
// writing the catalog back to its file. Edits stay in memory until
// "Save Changes to the Award" writes the file.
//
// A catalog is open in the editor while its date line (entry 0, never empty
// once read) is set; a requirement is selected while CatalogSelIndex is in
// 1..CatalogCount. Commands that need either do nothing without it.
#include <algorithm>
#include <cstring>

#include "dialogs/addnew.h"
#include "records/FieldRules.h"
#include "records/LineReader.h"
#include "records/Main.h"

namespace {

// A part of a requirement number, right-aligned in three columns so that
// the sorted list orders numbers by value ("  2" before " 10").
AnsiString NumberPart(const AnsiString& text) {
    AnsiString padded = "   " + text;
    return padded.substr(padded.size() - 3);
}

// The full description as a catalog stores it: the memo's line breaks
// become "|"; a tab, any other control character or a non-ASCII byte ends it.
AnsiString StoredFullText(const AnsiString& memoText) {
    AnsiString out;
    const size_t limit = std::min<size_t>(memoText.size(), 3999);
    for (size_t i = 0; i < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(memoText[i]);
        if (c == '\r') {
            out += '|';
            ++i;  // the line feed of the pair
        } else if (c >= 32 && c <= 127) {
            out += static_cast<char>(c);
        } else {
            break;
        }
    }
    return out;
}

// Characters of the editor's text fields: what a catalog line can hold; the
// full description also takes line breaks but not "|", which stands for one.
bool CatalogTextChar(unsigned char c) { return c >= 32 && c < 127; }
bool CatalogMemoChar(unsigned char c) { return c == '\r' || c == '\n' || (CatalogTextChar(c) && c != '|'); }
bool CatalogNameChar(unsigned char c) {
    return CatalogTextChar(c) && c != '/' && c != '\\' && c != '<' && c != '>' && c != '|' && c != '*';
}

}  // namespace

void TForm1::GuardEditorFields() {
    for (TWinControl* field : std::initializer_list<TWinControl*>{editReq1, editReq2, editReq3, editReq4})
        field->AcceptChar = CatalogTextChar;
    editShort->AcceptChar = CatalogTextChar;
    editShort->SetMaxLength(sizeof ReqShortText[0] - 1);
    memoReq->AcceptChar = CatalogMemoChar;
    editNewMB->AcceptChar = CatalogNameChar;
    cboMBs->AcceptChar = CatalogNameChar;
}

AnsiString TForm1::EditorCatalogKind() {
    if (rbMB->Checked()) return "Mb";
    if (rbRank->Checked()) return "Rank";
    return "Other";
}

void TForm1::AddMBReqs1Click(TObject* Sender) {
    if (!SaveAndUnload()) return;  // the save failed: the scout stays loaded with its edits
    ClearScoutForm();
    if (pnlAdd->Visible()) {
        btnCloseReqClick(Sender);
    } else {
        pnlAdd->SetHeight(Height() - 63);
        pnlAdd->SetWidth(Width() - 15);
        pnlAdd->Show();
        btnNotes->Hide();
        FillCatalogList();
        AddMBReqs1->SetCaption("Close Requirements Editor");
    }
}

void TForm1::btnCloseReqClick(TObject*) {
    pnlAdd->Hide();
    btnNotes->Show();
    AddMBReqs1->SetCaption("Edit Requirements");
}

void TForm1::rbMBClick(TObject*) {
    CatalogKind = "Mb";
    FillCatalogList();
}
void TForm1::rbRankClick(TObject*) {
    CatalogKind = "Rank";
    FillCatalogList();
}
void TForm1::rbOtherClick(TObject*) {
    CatalogKind = "Other";
    FillCatalogList();
}

void TForm1::FillCatalogList() {
    const AnsiString kind = EditorCatalogKind();
    cboMBs->Clear();
    flb->SetMask("*." + kind);
    AddCatalogNames(*cboMBs->Items(), *flb->Items(), kind);
}

void TForm1::btnAddReqClick(TObject*) {
    const AnsiString name = Trim(editNewMB->Text());
    if (!name.empty()) {
        if (AnsiString refusal = NameRefusal(name); !refusal.empty()) {
            ShowMessage(refusal);
            return;
        }
        const AnsiString fileName = CatalogFileName(name, EditorCatalogKind());
        if (FileExists(fileName)) {
            ShowMessage(name + " already exists!");
            return;
        }
        try {
            WriteWholeFile(fileName, DateToStr(Date()) + "\n");
        } catch (const EInOutError& e) {
            ShowMessage(e.Message());
            return;
        }
        ShowMessage(name + " created!");
    }
    FillCatalogList();
    editNewMB->SetText("");
}

void TForm1::cboMBsClick(TObject*) {
    EmptyCatalogEditor();
    // A typed name is read only when it names a file inside the data folder.
    if (Trim(cboMBs->Text()).empty()) return;
    if (AnsiString refusal = NameRefusal(cboMBs->Text()); !refusal.empty()) {
        ShowMessage(refusal);
        return;
    }
    const AnsiString fileName = CatalogFileName(cboMBs->Text(), EditorCatalogKind());
    std::vector<AnsiString> lines = ReadKeptLines(fileName, LineKind::Catalog);
    if (lines.size() > MaxRequirements + 1) {
        // Cutting it here and saving would lose requirements.
        ShowMessage(fileName + " holds more than " + IntToStr(MaxRequirements) +
                    " requirements and cannot be edited here. The file stays as it is.");
        cboMBs->SetText("");
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        CopyField(CatalogLines[i], sizeof CatalogLines[0], lines[i]);
        if (i > 0) lbReqlist->Items()->Add(SplitCatalogLine(lines[i], FieldSep).number);
    }
    CatalogCount = lines.empty() ? 0 : static_cast<int>(lines.size()) - 1;
}

// Entry 0 emptied marks that no catalog is open. The selection ends too, so a
// requirement selected in one catalog is never overwritten in the next.
void TForm1::EmptyCatalogEditor() {
    lbReqlist->Clear();
    CatalogCount = 0;
    CatalogSelIndex = 0;
    CatalogLines[0][0] = '\0';
}

int TForm1::FindCatalogLine(const AnsiString& number) {
    for (int i = 1; i <= CatalogCount; ++i)
        if (SplitCatalogLine(CatalogLines[i], FieldSep).number == number) return i;
    return 0;
}

// The line found for the chosen number becomes the selected one; index 0 (no
// line of that number) keeps the selection. The selected requirement's
// descriptions are shown; with none selected both fields stay empty.
void TForm1::ShowCatalogLine(int index) {
    if (index != 0) CatalogSelIndex = index;
    if (!CatalogLineSelected()) {
        editShort->SetText("");
        return;
    }
    CatalogFields fields = SplitCatalogLine(CatalogLines[CatalogSelIndex], FieldSep);
    editShort->SetText(fields.shortText);
    AddBarLines(memoReq->Lines(), fields.fullText);
    memoReq->SetSelStart(0);
}

void TForm1::lbReqlistMouseUp(TObject*, TMouseButton, TShiftState, int X, int Y) {
    memoReq->Clear();
    int item = lbReqlist->ItemAtPos(TPoint{X, Y}, true);
    if (item < 0) return;
    ShowCatalogLine(FindCatalogLine((*lbReqlist->Items())[item]));
}

void TForm1::lbReqlistKeyUp(TObject*, unsigned short&, TShiftState) {
    memoReq->Clear();
    int item = lbReqlist->ItemIndex();
    ShowCatalogLine(FindCatalogLine(item < 0 ? AnsiString() : (*lbReqlist->Items())[item]));
}

void TForm1::btnAddNewReqClick(TObject*) {
    if (!CatalogOpen()) return;
    AnsiString number;
    TEdit* parts[] = {editReq1, editReq2, editReq3, editReq4};
    for (TEdit* part : parts) {
        if (part->Text().empty()) continue;
        if (part != editReq1) number += " - ";
        number += NumberPart(part->Text());
    }
    if (number.empty() || CatalogCount >= MaxRequirements) {
        ShowMessage("Not added");
        return;
    }
    lbReqlist->Items()->Add(number);
    for (TEdit* part : parts) part->SetText("");

    // The new line goes where the sorted list first differs from the lines
    // in order; the lines from there on move one place down.
    const TStrings& list = *lbReqlist->Items();
    int at = 1;
    while (at <= CatalogCount && SplitCatalogLine(CatalogLines[at], FieldSep).number == list[at - 1]) ++at;
    std::memmove(CatalogLines[at + 1], CatalogLines[at], sizeof CatalogLines[0] * static_cast<size_t>(CatalogCount - at + 1));
    ++CatalogCount;
    CopyField(CatalogLines[at], sizeof CatalogLines[0], number + FieldSep + FieldSep);

    // The lines after the new one moved, so the selected index may now name
    // another requirement: nothing stays selected that a save could overwrite.
    editShort->SetText("");
    memoReq->Clear();
    CatalogSelIndex = 0;
}

void TForm1::btnSaveReqClick(TObject*) {
    if (!CatalogOpen() || !CatalogLineSelected()) return;
    const AnsiString number = SplitCatalogLine(CatalogLines[CatalogSelIndex], FieldSep).number;
    AnsiString line = number + FieldSep + editShort->Text() + FieldSep + StoredFullText(memoReq->MemoText());
    CopyField(CatalogLines[CatalogSelIndex], MaxLineChars + 1, line);  // what a reader keeps of a line
    editShort->SetText("");
    memoReq->Clear();
    // The fields are empty now: a second click must not write them over the requirement.
    CatalogSelIndex = 0;
}

void TForm1::DeleteMbReqClick(TObject*) {
    int item = lbReqlist->ItemIndex();
    int index = item < 0 ? 0 : FindCatalogLine((*lbReqlist->Items())[item]);
    if (!CatalogOpen() || index == 0) return;
    editShort->SetText("");
    std::memmove(CatalogLines[index], CatalogLines[index + 1], sizeof CatalogLines[0] * static_cast<size_t>(CatalogCount - index));
    CatalogLines[CatalogCount][0] = '\0';
    --CatalogCount;
    lbReqlist->Items()->Delete(item);
    memoReq->Clear();
    CatalogSelIndex = 0;  // its index now holds the next requirement
}

void TForm1::btnUpdateReqClick(TObject*) {
    if (!CatalogOpen()) return;
    const AnsiString name = cboMBs->Text();
    if (AnsiString refusal = NameRefusal(name); !refusal.empty()) {
        ShowMessage(refusal);
        return;
    }
    const AnsiString fileName = CatalogFileName(name, EditorCatalogKind());
    AnsiString text;
    for (int i = 0; i <= CatalogCount; ++i) text += AnsiString(CatalogLines[i]) + "\n";
    try {
        WriteWholeFile(fileName, text);
    } catch (const EInOutError& e) {
        // The editor keeps every edit, so the user can try again.
        ShowMessage("The catalog was not saved. " + e.Message());
        return;
    }
    EmptyCatalogEditor();
    editShort->SetText("");
    memoReq->Clear();
    cboMBs->SetText("");
}
