// The requirement sheet: opening the sheet of a rank or award for the loaded
// scout, reading the scout's progress from its section, storing the sheet
// back when it is left, and emptying it.
#include <algorithm>
#include <cstring>

#include "records/FieldRules.h"
#include "records/LineReader.h"
#include "records/Main.h"

#include "dialogs/addnew.h"

namespace {

// The nine ranks: the title shown (also the catalog's name) and the section name.
struct RankSheet {
    const char* title;
    const char* section;
};
constexpr RankSheet Ranks[] = {
    {"Tenderfoot", "Tenderfoot"}, {"Second Class", "Secondclass"}, {"First Class", "Firstclass"},
    {"Star", "Star"},             {"Life", "Life"},                {"Eagle", "Eagle"},
    {"Bronze Palm", "Bronzepalm"}, {"Gold Palm", "Goldpalm"},      {"Silver Palm", "Silverpalm"},
};

}  // namespace

TForm1::CatalogFields TForm1::SplitCatalogLine(const AnsiString& line, const AnsiString& separator) {
    CatalogFields fields;
    AnsiString rest = line;
    size_t at = line.find(separator);
    if (at != AnsiString::npos) {
        fields.number = line.substr(0, at);
        rest = line.substr(at + separator.size());
    }
    at = rest.find(separator);
    if (at != AnsiString::npos) {
        fields.shortText = rest.substr(0, at);
        fields.fullText = rest.substr(at + separator.size());
    } else {
        fields.fullText = rest;
    }
    return fields;
}

void TForm1::AddBarLines(TStrings* lines, const AnsiString& text) {
    size_t end = 0;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 32 && static_cast<unsigned char>(text[end]) < 128) ++end;
    size_t start = 0;
    for (;;) {
        size_t bar = text.find('|', start);
        if (bar == AnsiString::npos || bar >= end) {
            lines->Add(text.substr(start, end - start));
            return;
        }
        lines->Add(text.substr(start, bar - start));
        start = bar + 1;
    }
}

void TForm1::CopyField(char* field, size_t size, const AnsiString& text) {
    size_t length = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

AnsiString TForm1::OpenSheetSpec() {
    const AnsiString& title = lblRequirements->Caption();
    // Only a rank sheet goes to a rank section: an award that bears a rank's
    // title ("Star" of kind "Other") keeps its own section and leaves the
    // rank's progress alone.
    if (CatalogKind == "Rank")
        for (const RankSheet& rank : Ranks)
            if (title == rank.title) return AnsiString(rank.section) + "*";
    return title + "*" + CatalogKind;
}

void TForm1::StoreOpenSheet() {
    if (lblRequirements->Caption().empty()) return;
    TStrings* lines = slavelist->Items();
    lines->Clear();
    lines->Add(ElementLine("Updated", DateToStr(Date())));
    lines->Add(ElementLine("Started", deditStarted->Text()));
    lines->Add(ElementLine("Completed", deditCompleted->Text()));
    lines->Add(ElementLine("Awarded", deditAwarded->Text()));
    for (int i = 1; i <= SheetCount; ++i) {
        lines->Add("   <req>");
        lines->Add("   " + ElementLine("reqnbr", IntToStr(i)));
        lines->Add("   " + ElementLine("reqdate", ReqDate[i]));
        lines->Add("   " + ElementLine("reqcs", ReqCounselor[i]));
        lines->Add("   </req>");
    }
    StoreSection(OpenSheetSpec());
}

void TForm1::ShowAwardSheet(const AnsiString& title, const AnsiString& name, const AnsiString& kind) {
    if (CurrentScout.empty()) return;
    // An award's name, as a scout file holds it, names its catalog file: one
    // that would reach outside the data folder opens nothing.
    if (kind != "Rank") {
        if (AnsiString refusal = NameRefusal(name); !refusal.empty()) {
            ShowMessage(refusal);
            return;
        }
    }
    StoreOpenSheet();
    CatalogKind = kind;
    ClearSheet();
    bbUp->Hide();
    bbDown->Hide();
    ExtractSection(kind == "Rank" ? name : kind + " " + name);
    ParseAwardSection();
    RowsLive = false;

    // The catalog's extension may be written in another case ("Knots.MB"),
    // as the pick dialog offers such catalogs too.
    const AnsiString fileName = CatalogFileName(title, kind);
    if (!FileExists(fileName)) {
        ShowMessage("File error - " + title + "." + kind + " does not exist");
        return;
    }
    // A catalog that cannot be read ends the opening as a missing one does:
    // shown as an empty sheet, leaving it would drop the scout's entries.
    std::vector<AnsiString> lines;
    if (!ReadKeptLines(fileName, LineKind::Catalog, lines)) {
        ShowMessage("Could not read " + fileName);
        return;
    }
    // A catalog without a requirement line opens no sheet either: an empty
    // sheet, left, would store the section without the scout's entries.
    if (lines.size() < 2) {
        ShowMessage("File error - " + fileName + " holds no requirements");
        return;
    }
    // The first line is the catalog's date line; every later one a
    // requirement. Requirements beyond what the arrays hold are not shown.
    SheetCount = 0;
    for (size_t i = 1; i < lines.size() && SheetCount < MaxRequirements; ++i) {
        ++SheetCount;
        CatalogFields fields = SplitCatalogLine(lines[i], FieldSep);
        CopyField(ReqNumber[SheetCount], sizeof ReqNumber[0], fields.number);
        CopyField(ReqShortText[SheetCount], sizeof ReqShortText[0], fields.shortText);
        CopyField(ReqFullText[SheetCount], sizeof ReqFullText[0], fields.fullText);
    }

    for (int r = 0; r < SheetRows; ++r) {
        if (ReqNumber[r + 1][0] == '\0') continue;
        FillRow(r, r + 1);
        RowPanel[r]->Show();
    }
    lblRequirements->SetCaption(title);
    lblRequirements2->SetCaption(title);
    SheetScroll = 0;
    SheetMaxScroll = SheetCount - SheetRows;
    if (SheetMaxScroll > 0) bbDown->Show();
    RowsLive = true;

    if (!deditCompleted->Text().empty())
        ShapeReq->Brush()->SetColor(clGreen);
    else if (!deditStarted->Text().empty())
        ShapeReq->Brush()->SetColor(clYellow);
    else
        ShapeReq->Brush()->SetColor(clBtnFace);
    if (pnlNotes->Visible()) btnNotesClick(this);
}

void TForm1::ParseAwardSection() {
    // An element's value: the text after its tag up to the first "<", however
    // long; the fields it goes to cut it to what they hold, so that a long
    // value is never read as empty and erased when the sheet is stored.
    auto valueAfter = [](const AnsiString& line, const char* tag) { return ElementValue(line, tag, "<"); };
    const std::vector<AnsiString>& lines = slavelist->Items()->Lines();
    std::vector<AnsiString> trimmed;
    trimmed.reserve(lines.size());
    for (const AnsiString& line : lines) trimmed.push_back(Trim(line));

    const std::pair<const char*, TEdit*> dates[] = {
        {"<Started>", deditStarted}, {"<Completed>", deditCompleted}, {"<Awarded>", deditAwarded}};
    for (const auto& [tag, edit] : dates)
        for (const AnsiString& line : trimmed)
            if (StartsWith(line, tag)) {
                edit->SetText(valueAfter(line, tag));
                break;
            }

    std::memset(ReqDate, 0, sizeof ReqDate);
    std::memset(ReqCounselor, 0, sizeof ReqCounselor);
    const size_t count = trimmed.size();
    for (size_t open = 0; open < count; ++open) {
        if (trimmed[open] != "<req>") continue;
        size_t close = open + 1;
        while (close < count && close <= open + 4 && trimmed[close] != "</req>") ++close;
        if (close >= count || close > open + 4) continue;  // not closed within four lines

        AnsiString number, date, counselor;
        for (size_t i = open + 1; i < close; ++i) {
            const AnsiString& line = trimmed[i];
            if (StartsWith(line, "<reqnbr>"))
                number = valueAfter(line, "<reqnbr>");
            else if (StartsWith(line, "<reqdate>"))
                date = valueAfter(line, "<reqdate>");
            else if (StartsWith(line, "<reqcs>"))
                counselor = valueAfter(line, "<reqcs>");
        }
        if (number.empty()) continue;
        int k = StrToInt(number);  // not a number: the conversion error ends the opening
        if (k < 1 || k > MaxRequirements) continue;
        CopyField(ReqDate[k], sizeof ReqDate[0], date);
        CopyField(ReqCounselor[k], sizeof ReqCounselor[0], counselor);
    }
}

void TForm1::ClearSheet() {
    for (int r = 0; r < SheetRows; ++r) {
        RowPanel[r]->Hide();
        RowNumberLabel[r]->SetCaption("");
        RowTextLabel[r]->SetCaption("");
        RowCounselorEdit[r]->SetText("");
        RowDateEdit[r]->SetText("");
        RowStatusShape[r]->Brush()->SetColor(clBtnFace);
    }
    // Only a catalog's reading fills these texts, entries 1 to SheetCount, and
    // only after they were cleared here: clearing up to SheetCount leaves every
    // entry empty (over 600 KB are not written again at every load).
    const size_t used = static_cast<size_t>(std::clamp(SheetCount, 0, MaxRequirements)) + 1;
    std::memset(ReqFullText, 0, used * sizeof ReqFullText[0]);
    std::memset(ReqShortText, 0, used * sizeof ReqShortText[0]);
    std::memset(ReqNumber, 0, used * sizeof ReqNumber[0]);
    lblRequirements->SetCaption("");
    lblRequirements2->SetCaption("");
    ShapeReq->Brush()->SetColor(clBtnFace);
    deditStarted->SetText("");
    deditCompleted->SetText("");
    deditAwarded->SetText("");
    memoDescription->Clear();
}

void TForm1::Label4Click(TObject*) { ShowAwardSheet(Ranks[0].title, Ranks[0].section, "Rank"); }
void TForm1::Label5Click(TObject*) { ShowAwardSheet(Ranks[1].title, Ranks[1].section, "Rank"); }
void TForm1::Label6Click(TObject*) { ShowAwardSheet(Ranks[2].title, Ranks[2].section, "Rank"); }
void TForm1::Label7Click(TObject*) { ShowAwardSheet(Ranks[3].title, Ranks[3].section, "Rank"); }
void TForm1::Label8Click(TObject*) { ShowAwardSheet(Ranks[4].title, Ranks[4].section, "Rank"); }
void TForm1::Label9Click(TObject*) { ShowAwardSheet(Ranks[5].title, Ranks[5].section, "Rank"); }
void TForm1::Label24Click(TObject*) { ShowAwardSheet(Ranks[6].title, Ranks[6].section, "Rank"); }
void TForm1::Label27Click(TObject*) { ShowAwardSheet(Ranks[7].title, Ranks[7].section, "Rank"); }
void TForm1::Label28Click(TObject*) { ShowAwardSheet(Ranks[8].title, Ranks[8].section, "Rank"); }
