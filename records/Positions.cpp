// The positions, camps and service lists of the loaded scout: one list at a
// time is shown in lbPositions, the other two live in their sections.
#include "records/Main.h"

#include "records/FieldRules.h"

namespace {

struct ListModeInfo {
    const char* section;
    const char* textHeading;
    const char* endHeading;
};
const ListModeInfo ListModes[] = {
    {"Pos", "Positions", "End Date"},
    {"Camps", "Camp Description", "End Date"},
    {"Serv", "Service Description", "Hrs:Min"},
};

// Modes outside 0..2 count as service, as the store by mode does.
const ListModeInfo& ModeInfo(int mode) { return ListModes[mode == 0 ? 0 : mode == 1 ? 1 : 2]; }

// Drops blanks and control characters at both ends of a stored entry line,
// but keeps the TABs that separate its fields.
AnsiString TrimKeepingTabs(const AnsiString& line) {
    auto dropped = [](char c) { return static_cast<unsigned char>(c) <= 32 && c != '\t'; };
    size_t start = 0, end = line.size();
    while (start < end && dropped(line[start])) ++start;
    while (end > start && dropped(line[end - 1])) --end;
    return line.substr(start, end - start);
}

// The index of the list's selected line, or -1 when none is selected.
int SelectedIndex(TListBox* list) {
    int index = list->ItemIndex();
    return index >= 0 && index < list->Items()->Count() ? index : -1;
}

}  // namespace

void TForm1::StoreListSection(int mode) {
    slavelist->Items()->Assign(*lbPositions->Items());
    StoreSection(AnsiString(ModeInfo(mode).section) + "*");
}

void TForm1::FetchListSection(int mode) {
    TStringList entries;
    for (const AnsiString& line : SectionLines(ModeInfo(mode).section, false)) {
        // A line of blanks is no entry: the save would write it as an empty
        // line, which the next load skips.
        AnsiString entry = TrimKeepingTabs(line);
        if (!entry.empty()) entries.Add(RestoreListEntry(entry));
    }
    slavelist->Items()->Assign(entries);
    lbPositions->Items()->Assign(entries);
}

void TForm1::ShowListMode(int mode) {
    TRadioButton* buttons[] = {rbPositions, rbCamps, rbService};
    for (int i = 0; i < 3; ++i) buttons[i]->Font()->SetStyle(i == mode ? fsBold : 0);
    Label25->SetCaption(ModeInfo(mode).textHeading);
    Label23->SetCaption(ModeInfo(mode).endHeading);
}

void TForm1::SwitchListMode(int mode) {
    StoreListSection(ListMode);
    ListMode = mode;
    if (mode != 0 && CurrentScout.empty()) {
        if (rbPositions->Checked())
            SwitchListMode(0);
        else
            rbPositions->SetChecked(true);  // its click handler switches to the positions list
        return;
    }
    ShowListMode(mode);
    lbPositions->Items()->Clear();
    ClearListFields();
    FetchListSection(mode);
}

void TForm1::rbPositionsClick(TObject*) { SwitchListMode(0); }
void TForm1::rbCampsClick(TObject*) { SwitchListMode(1); }
void TForm1::rbServiceClick(TObject*) { SwitchListMode(2); }

AnsiString TForm1::ListEntryFromFields() {
    AnsiString end = datePosEnd->Text().empty() ? CurrentMark : datePosEnd->Text();
    return datePosStart->Text() + "\t" + end + "\t" + editPos->Text();
}

void TForm1::ClearListFields() {
    datePosStart->SetText("");
    datePosEnd->SetText("");
    editPos->SetText("");
}

void TForm1::Button5Click(TObject*) {
    lbPositions->Items()->Add(ListEntryFromFields());
    ClearListFields();
}

void TForm1::Button6Click(TObject*) {
    int index = SelectedIndex(lbPositions);
    if (index < 0) return;
    lbPositions->Items()->Put(index, ListEntryFromFields());
    ClearListFields();
}

void TForm1::Button8Click(TObject*) {
    int index = SelectedIndex(lbPositions);
    if (index < 0) return;
    lbPositions->Items()->Delete(index);
    ClearListFields();
}

void TForm1::lbPositionsClick(TObject*) {
    int index = SelectedIndex(lbPositions);
    if (index < 0) return;
    const AnsiString entry = (*lbPositions->Items())[index];
    size_t firstTab = entry.find('\t');
    datePosStart->SetText(entry.substr(0, firstTab));
    AnsiString rest = firstTab == AnsiString::npos ? AnsiString() : entry.substr(firstTab + 1, 999);
    size_t secondTab = rest.find('\t');
    AnsiString end = rest.substr(0, secondTab);
    datePosEnd->SetText(end == CurrentMark ? AnsiString() : end);
    editPos->SetText(secondTab == AnsiString::npos ? AnsiString() : rest.substr(secondTab + 1, 99));
}
