// Loading the scout picked in the scout list: its notes, picture and scout
// file, the personal fields, the rank marks, the positions and the award lists.
#include "records/Main.h"

#include "records/FieldRules.h"
#include "records/LineReader.h"

namespace {

bool BeginsWithAny(const AnsiString& upper, std::initializer_list<const char*> prefixes) {
    for (const char* prefix : prefixes)
        if (StartsWith(upper, prefix)) return true;
    return false;
}

}  // namespace

TForm1::EagleGroup TForm1::EagleGroupOf(const AnsiString& badgeName) {
    const AnsiString upper = UpperCase(badgeName);
    if (BeginsWithAny(upper, {"CAMP", "CITIZ", "COMM", "ENVIR", "FAMI", "FIRS", "PERSON"})) return EagleGroup::Required;
    if (BeginsWithAny(upper, {"EMERG", "LIFE"})) return EagleGroup::Lifesaving;
    if (BeginsWithAny(upper, {"CYCL", "HIKI", "SWIM"})) return EagleGroup::Outdoor;
    return EagleGroup::None;
}

void TForm1::cboSCTsClick(TObject*) {
    const AnsiString name = cboSCTs->Text();
    if (name.empty()) return;
    AddMBReqs1->SetEnabled(false);
    // The scout whose save failed and that the user keeps stays loaded, and
    // the list shows its name again.
    if (!SaveAndUnload()) {
        cboSCTs->SetText(CurrentScout);
        return;
    }
    ClearScoutForm();

    // A name typed into the list's edit becomes a file name that the next save
    // writes: it must stay inside the data folder.
    const AnsiString refusal = NameRefusal(name);
    if (!refusal.empty()) {
        ShowMessage(refusal);
        return;
    }
    // The scout file is read first: a scout whose file was not read is never loaded.
    const AnsiString scoutFile = name + ".scout";
    std::string bytes;
    if (!ReadWholeFile(scoutFile, bytes)) {
        ShowMessage("Could not read " + scoutFile);
        return;
    }
    int firstLostLine = 0;
    std::vector<AnsiString> lines = SplitKeptLines(bytes, LineKind::Scout, &firstLostLine);

    const AnsiString notesFile = name + ".nts";
    // Only notes that are not there at all load as empty: a folder or a pipe
    // in their place fails the read below and is said.
    if (EntryExists(notesFile)) {
        try {
            memoNotes->Lines()->LoadFromFile(notesFile);
        } catch (const EInOutError& e) {
            // Saving would overwrite the notes with an empty pane: do not load.
            ShowMessage("Could not read " + notesFile + ": " + e.Message());
            ClearScoutForm();
            return;
        }
    }
    // The scout and its lines are set together, so that nothing failing later
    // leaves CurrentScout naming a scout whose lines are not in masterlist.
    ReplaceLines(masterlist->Items(), std::move(lines));
    CurrentScout = name;
    // What the reading dropped would be gone after the first save: the file
    // as it is now is kept aside before that save, and the user is told once.
    if (firstLostLine != 0) {
        KeepAsideName = FreeKeepAsideName(scoutFile, bytes);
        KeepAsideBytes = std::move(bytes);
        ShowMessage(scoutFile + " holds text that cannot be kept, first on line " + IntToStr(firstLostLine) +
                    " (a character that is not plain text, a \"|\" or a line that is too long). The file as it is "
                    "now will be kept as " + KeepAsideName + " before it is saved.");
    }
    ShowListMode(0);
    SetCaption("Trailbook - " + name);

    const AnsiString pictureFile = name + ".jpg";
    imageScout->Hide();
    if (FileExists(pictureFile)) {
        try {
            imageScout->Picture()->LoadFromFile(pictureFile);
            imageScout->Refresh();
            imageScout->Show();
        } catch (const Exception&) {
            imageScout->Picture()->Clear();  // a picture that cannot be decoded stays hidden
        }
    }

    // One walk trims every line of the file; the sections are found on those views.
    const std::vector<std::string_view> trimmed = TrimmedMasterLines();
    ShowPersonalSection(SectionIn(trimmed, "Scout"));

    struct RankMark {
        const char* section;
        TShape* mark;
        TLabel* date;
    };
    const RankMark marks[] = {
        {"Tenderfoot", shapeT, lblAdvT}, {"Secondclass", shape2, lblAdv2}, {"Firstclass", shapeF, lblAdvF},
        {"Star", shapeS, lblAdvS},       {"Life", shapeL, lblAdvL},        {"Eagle", shapeE, lblAdvE},
        {"Bronzepalm", shapeBP, lblAdvBP}, {"Goldpalm", shapeGP, lblAdvGP}, {"Silverpalm", shapeSP, lblAdvSP},
    };
    for (const RankMark& rank : marks) {
        AnsiString status = RankStatusOf(SectionIn(trimmed, rank.section));
        char state = status.empty() ? ' ' : status[0];
        bool known = state == 'p' || state == 'c';
        rank.date->SetCaption(known ? status.substr(1, 99) : AnsiString());
        rank.mark->Brush()->SetColor(state == 'p' ? clYellow : state == 'c' ? clGreen : clRed);
    }

    FetchListSection(0);
    FillAwardLists(trimmed);
}

void TForm1::ShowPersonalSection(std::span<const std::string_view> lines) {
    struct Field {
        TEdit* edit;
        const char* tag;
    };
    const Field fields[] = {
        {editGuardian, "Guardian"}, {editPatrol, "Patrol"},       {editTroop, "Troop"},     {editNickname, "Nickname"},
        {editAddress, "Address"},   {editCity, "City"},           {editState, "State"},     {editZip, "Zip"},
        {editPhone, "Phone"},       {dateBirthdate, "Birthdate"}, {dateMeddate, "Meddate"},
    };
    // The first line, the <Updated> element as written, is not examined.
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        for (const Field& field : fields)
            if (field.edit->Text().empty()) field.edit->SetText(TagValue(line, field.tag));
        if (line.find("Medform") != AnsiString::npos) {
            AnsiString value = TagValue(line, "Medform");
            if (value == "1") rbMF1->SetChecked(true);
            if (value == "2") rbMF2->SetChecked(true);
            if (value == "3") rbMF3->SetChecked(true);
        }
        if (editEmail->Text().empty()) editEmail->SetText(TagValue(line, "Email"));
    }
}

AnsiString TForm1::RankStatus(const AnsiString& section) {
    ExtractSection(section);
    const std::vector<AnsiString>& lines = slavelist->Items()->Lines();
    return RankStatusOf(std::vector<std::string_view>(lines.begin(), lines.end()));
}

AnsiString TForm1::RankStatusOf(std::span<const std::string_view> lines) {
    AnsiString result;
    // The first line, the <Updated> element as written, is not examined.
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (StartsWith(line, "<Started>")) {
            AnsiString value = ElementValue(line, "<Started>", "</Started>", 999);
            if (!value.empty()) result = "p" + value;
        } else if (StartsWith(line, "<Completed>")) {
            AnsiString value = ElementValue(line, "<Completed>", "</Completed>");
            if (!value.empty()) result = "c" + value;
        }
    }
    return result;
}

void TForm1::FillAwardLists() { FillAwardLists(TrimmedMasterLines()); }

void TForm1::FillAwardLists(std::span<const std::string_view> trimmed) {
    // Merit badges and other awards are read in the same walk, each kind with
    // its own state; each list takes its names in one step.
    struct AwardKind {
        std::string_view openPrefix, closePrefix;
        TComboBox* inProgress = nullptr;
        TComboBox* earned = nullptr;
        std::vector<AnsiString> inProgressNames, earnedNames;
        bool inside = false, started = false, completed = false;
        AnsiString name;
        void CloseSection() {
            if (completed)
                earnedNames.push_back(name);
            else if (started)
                inProgressNames.push_back(name);
            inside = started = completed = false;
        }
    };
    AwardKind kinds[2];
    kinds[0].openPrefix = "<Mb ", kinds[0].closePrefix = "</Mb ", kinds[0].inProgress = cboMBi, kinds[0].earned = cboMBe;
    kinds[1].openPrefix = "<Other ", kinds[1].closePrefix = "</Other ";
    kinds[1].inProgress = cboOtheri, kinds[1].earned = cboOthere;
    for (const std::string_view line : trimmed) {
        // A section ends at its close tag (any name) or, when that is missing,
        // where the next section opens; such a line may open an award itself.
        const bool opensSection = IsSectionOpenTag(line);
        for (AwardKind& kind : kinds) {
            if (kind.inside) {
                if (StartsWith(line, kind.closePrefix)) {
                    kind.CloseSection();
                    continue;
                }
                if (!opensSection) {
                    if (StartsWith(line, "<Started>")) {
                        if (!ElementValue(line, "<Started>", "</Started>").empty()) kind.started = true;
                    } else if (StartsWith(line, "<Completed>")) {
                        if (!ElementValue(line, "<Completed>", "</Completed").empty()) kind.completed = true;
                    }
                    continue;
                }
                kind.CloseSection();
            }
            if (opensSection && StartsWith(line, kind.openPrefix)) {
                kind.inside = true;
                kind.started = kind.completed = false;
                kind.name = line.substr(kind.openPrefix.size(), line.size() - kind.openPrefix.size() - 1);
            }
        }
    }
    int eagleCount = 0;
    bool lifeSaving = false, outdoor = false;
    for (AwardKind& kind : kinds)
        if (kind.inside) kind.CloseSection();  // the last section of the file lost its close tag
    for (const AnsiString& name : kinds[0].earnedNames) {
        const EagleGroup group = EagleGroupOf(name);
        if (group == EagleGroup::Required) ++eagleCount;
        if (group == EagleGroup::Lifesaving) lifeSaving = true;
        if (group == EagleGroup::Outdoor) outdoor = true;
    }
    for (AwardKind& kind : kinds) {
        kind.inProgress->Items()->Assign(std::move(kind.inProgressNames));
        kind.earned->Items()->Assign(std::move(kind.earnedNames));
    }
    eagleCount += (lifeSaving ? 1 : 0) + (outdoor ? 1 : 0);
    lblInProgress->SetCaption("In Progress - " + IntToStr(cboMBi->Items()->Count()));
    lblEarned->SetCaption("Earned - " + IntToStr(cboMBe->Items()->Count()) + " (" + IntToStr(eagleCount) + ")");
    lblOInProgress->SetCaption("In Progress - " + IntToStr(cboOtheri->Items()->Count()));
    lblOEarned->SetCaption("Earned - " + IntToStr(cboOthere->Items()->Count()));
}
