// Meeting attendance: Tools > Attendance shows the 24 most recent weeks of
// every listed scout in a grid, taken from the <Attend> section of the
// scout's file; "Save and Close" writes the marks back into every file, and
// "Print 7 Weeks" prints an attendance sheet.
//
// The <Attend> section holds the Sunday that began the week in which it was
// saved, then seven lines of 52 digits, "1" for a week attended: week 1 is
// the week of that Sunday, week 2 the one before, up to week 364.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "records/ByteScan.h"
#include "records/LineReader.h"
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

constexpr int WeekLines = 7;
constexpr int WeeksPerLine = 52;
static_assert(WeekLines * WeeksPerLine == AttendanceWeeksStored);
constexpr int PrintedWeeks = 7;
constexpr double NameColumnFraction = 0.12366;
constexpr double WeekColumnFraction = 0.0344086;
const char* const SheetBorder = "+------------------------------+-----+-----+-----+-----+-----+-----+-----+";

// Whole days of a date, for differences of dates.
long long DayNumber(TDateTime date) { return static_cast<long long>(std::trunc(date)); }

// A week column's heading: the date's short-date text up to the day, that is
// to the first "/" after the text's third character and one more character
// (for month/day/year: the month and the day).
AnsiString WeekHeading(TDateTime date) {
    AnsiString text = DateToStr(date);
    int p = Pos("/", SubString(text, 4, 9));
    return SubString(text, 1, p + 2);
}

// Blanks at both ends of a line go; TABs stay, since a TAB separates the
// fields of a positions, camps or service entry, empty ones included.
AnsiString TrimBlanks(const AnsiString& line) {
    size_t first = line.find_first_not_of(' ');
    if (first == AnsiString::npos) return "";
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// A week cell counts as attended when it holds anything but nothing or one blank.
bool Attended(const AnsiString& cell) { return !cell.empty() && cell != " "; }

// Where needle (of two or more characters) first stands in bytes from from
// on; npos when nowhere. Only the places where its first two characters
// stand are compared whole: a scout file has a "<" on most lines, but few
// of them open a section of that name.
size_t FindText(std::string_view bytes, std::string_view needle, size_t from) {
    const unsigned char first = static_cast<unsigned char>(needle[0]), second = static_cast<unsigned char>(needle[1]);
    for (;; ++from) {
        from = FindPair(bytes, from, [=](unsigned char a, unsigned char b) { return (a == first) & (b == second); });
        if (from >= bytes.size()) return std::string_view::npos;
        if (bytes.substr(from, needle.size()) == needle) return from;
    }
}

// True for the trimmed line that closes an <Attend> section.
bool ClosesAttendSection(std::string_view trimmed) { return trimmed == "</Attend>"; }

// The <Attend> section of a scout file's bytes, read by the scout file's
// line rule: its reference date text and the week digits of the lines after
// it, up to seven lines. A section ends as every reader ends it
// (WalkSection): at its close tag, or without one where the next section
// opens. A section that holds no line (an empty pair, or an "<Attend>" line
// written twice) carries nothing and is passed over. Returns how many
// sections hold lines, counted up to two; the date and the weeks are those of
// the first. Only the lines that hold "<Attend>" are read closely, so that a
// file is scanned at the speed of a search.
int FindAttendSections(std::string_view bytes, AnsiString& dateText, AnsiString& weeks) {
    static constexpr std::string_view openTag = "<Attend>";
    dateText.clear();
    weeks.clear();
    int found = 0;
    for (size_t from = 0;;) {
        const size_t at = FindText(bytes, openTag, from);
        if (at == std::string_view::npos) return found;
        from = at + 1;
        const size_t lineStart = LineStart(bytes, at);
        const char* mark = bytes.data() + at;
        // The open line and the lines after it, as many as a section may hold.
        std::vector<std::string_view> section;
        ForEachKeptLine(bytes.substr(lineStart), LineKind::Scout, [&](std::string_view line) {
            std::string_view trimmed = TrimView(line);
            if (section.empty()) {
                if (line.data() + line.size() <= mark) return true;  // a line before the one found
                // The tag must be what the kept line holds, not part of a longer or cut line.
                if (line.data() > mark || trimmed != openTag) return false;
            }
            section.push_back(trimmed);
            return section.size() < 1 + 1 + WeekLines + 1;  // open, date, weeks, close
        });
        if (section.empty()) continue;
        int after = 0;  // lines read after the open tag
        WalkSection(section, 0, ClosesAttendSection, [&](std::string_view line) {
            ++after;
            if (found > 0) return;  // only the first section is read
            if (after == 1)
                dateText = AnsiString(line);
            else if (after <= 1 + WeekLines)
                weeks += line;
        });
        if (after > 0 && ++found > 1) return found;
    }
}

}  // namespace

void TForm1::SetAttendanceColumnWidths() {
    gridAttend->SetColWidths(0, static_cast<int>(gridAttend->Width() * NameColumnFraction));
    for (int week = 1; week <= AttendanceWeeksShown; ++week)
        gridAttend->SetColWidths(week, static_cast<int>(gridAttend->Width() * WeekColumnFraction));
}

void TForm1::Attendance1Click(TObject*) {
    // Nothing that a shown grid holds changes before the new grid is complete:
    // a refused answer, a failed save of the loaded scout or a stored date
    // that is no date leaves the grid, its marks and what Save and Close
    // writes as they were.
    // Cancel answers the default, except over a shown grid, which it leaves as it is.
    AnsiString answer = "3";
    if (!InputQuery("Meeting Weeknight", "Enter Scout night numeric day of week (Sunday=1): ", answer) &&
        pnlAttendance->Visible())
        return;
    const int weeknight = StrToInt(answer);
    if (weeknight < 1 || weeknight > 7) {
        ShowMessage('\'' + IntToStr(weeknight) + "' is not a day of the week: enter 1 (Sunday) to 7 (Saturday).");
        return;
    }

    const TDateTime today = Date();
    const int todayOfWeek = DayOfWeek(today);
    const TDateTime weekReference = today - (todayOfWeek - 1);
    const TDateTime meeting = today - (todayOfWeek - weeknight);

    // A scout whose save fails stays loaded (the save said why): nothing opens.
    if (!SaveAndUnload()) return;

    const std::vector<AnsiString> names = cboSCTs->Items()->Lines();
    std::vector<std::array<int, AttendanceEntries>> matrix(names.size());
    std::string bytes;
    AnsiString dateText, weeks;
    weeks.reserve(AttendanceWeeksStored);
    for (size_t i = 0; i < names.size(); ++i) {
        std::array<int, AttendanceEntries>& entries = matrix[i];  // all 0
        // A file that is gone or cannot be read shows no marks; saving skips or reports it.
        const int sections = ReadWholeFile(names[i] + ".scout", bytes) ? FindAttendSections(bytes, dateText, weeks) : 0;
        // Saving writes one section: the weeks of a second would go unsaid.
        if (sections > 1) {
            ShowMessage(names[i] + ".scout holds more than one <Attend> section: remove one in a text editor, "
                                   "then open Attendance again.");
            return;
        }
        if (sections == 1) {
            TDateTime saved;
            if (!TryStrToDate(dateText, saved)) {
                ShowMessage(names[i] + ".scout: '" + dateText + "' is not a valid date");
                return;
            }
            // The stored weeks move one further back for every week since the save.
            // Entries 1..shift stay 0, and so do those the week string does not reach.
            const long long shift = std::max(0LL, (DayNumber(weekReference) + 1 - DayNumber(saved)) / 7);
            if (shift < AttendanceWeeksRead) {
                const size_t first = static_cast<size_t>(shift) + 1;
                const size_t count = std::min(weeks.size(), static_cast<size_t>(AttendanceWeeksRead) + 1 - first);
                for (size_t j = 0; j < count; ++j) entries[first + j] = weeks[j] == '1' ? 1 : 0;
            }
        }
    }

    WeekReference = weekReference;
    gridAttend->SetRowCount(2);
    gridAttend->SetCells(0, 0, "Name");
    for (int week = 1; week <= AttendanceWeeksShown; ++week)
        gridAttend->SetCells(week, 0, WeekHeading(meeting - 7 * (week - 1)));
    for (int col = 0; col <= AttendanceWeeksShown; ++col) gridAttend->SetCells(col, 1, "");
    SetAttendanceColumnWidths();
    // The grid has its heading row and an empty first row; the rows added
    // for the other scouts come empty.
    const int rows = static_cast<int>(names.size());
    if (rows + 1 > gridAttend->RowCount()) gridAttend->SetRowCount(rows + 1);
    for (int i = 0; i < rows; ++i) {
        const auto& entries = matrix[static_cast<size_t>(i)];
        gridAttend->SetCells(0, i + 1, names[static_cast<size_t>(i)]);
        for (int week = 1; week <= AttendanceWeeksShown; ++week)
            if (entries[static_cast<size_t>(week)]) gridAttend->SetCells(week, i + 1, "X");
    }
    AttendanceMatrix = std::move(matrix);
    AttendanceScouts = names;
    // The names say whose file a row is saved into: they are not edited.
    gridAttend->OnSetEditText = [this](TObject*, int col, int row, const AnsiString&) {
        if (col == 0 && row >= 1 && row <= static_cast<int>(AttendanceScouts.size()))
            gridAttend->SetCells(0, row, AttendanceScouts[static_cast<size_t>(row) - 1]);
    };
    pnlAttendance->Show();
}

AnsiString TForm1::SaveScoutAttendance(int row, const AnsiString& name) {
    const AnsiString fileName = name + ".scout";
    // A scout whose file is gone gets no new file.
    if (!FileExists(fileName)) return "";
    std::string bytes = ReadWholeFileOrThrow(fileName);
    int firstLostLine = 0;
    const std::vector<AnsiString> lines = SplitKeptLines(bytes, LineKind::Scout, &firstLostLine);
    // What the reading could not keep would be gone after the rewrite: the
    // file as it is now is kept aside first.
    AnsiString keptAs;
    if (firstLostLine != 0) {
        keptAs = FreeKeepAsideName(fileName, bytes);
        WriteWholeFile(keptAs, bytes);
    }

    std::vector<std::string_view> trimmed;
    trimmed.reserve(lines.size());
    for (const AnsiString& line : lines) trimmed.push_back(TrimView(line));
    bytes.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (trimmed[i] == "<Attend>") {
            // The old section goes, up to its close tag; without one, up to the next section.
            i = WalkSection(trimmed, i, ClosesAttendSection, [](std::string_view) {});
            continue;
        }
        AnsiString line = TrimBlanks(lines[i]);
        if (line.empty()) continue;  // a line of blanks carries nothing
        bytes += line;
        bytes += '\n';
    }

    std::array<int, AttendanceEntries>& entries = AttendanceMatrix.at(static_cast<size_t>(row));
    for (int week = 1; week <= AttendanceWeeksShown; ++week)
        entries[static_cast<size_t>(week)] = Attended(gridAttend->Cells(week, row + 1)) ? 1 : 0;

    bytes += "<Attend>\n   " + DateToStr(WeekReference) + "\n";
    for (int line = 0; line < WeekLines; ++line) {
        bytes += "   ";
        for (int j = 1; j <= WeeksPerLine; ++j)
            bytes += static_cast<char>('0' + entries[static_cast<size_t>(line * WeeksPerLine + j)]);
        bytes += '\n';
    }
    bytes += "</Attend>\n";
    WriteWholeFile(fileName, bytes);
    return keptAs;
}

void TForm1::Button10Click(TObject*) {
    // A scout loaded meanwhile is saved first, so that its later save cannot
    // put back the attendance it was loaded with.
    if (!SaveAndUnload()) return;
    AnsiString failures, keptAside, gone;
    for (size_t i = 0; i < AttendanceScouts.size(); ++i) {
        // A scout whose file is gone gets no new file; the message that
        // closes the panel names it, so that its marks are not lost unsaid.
        if (!FileExists(AttendanceScouts[i] + ".scout")) {
            gone += "\n" + AttendanceScouts[i];
            continue;
        }
        try {
            const AnsiString keptAs = SaveScoutAttendance(static_cast<int>(i), AttendanceScouts[i]);
            if (!keptAs.empty()) keptAside += "\n" + keptAs;
        } catch (const EInOutError& e) {
            failures += "\n" + e.Message();
        }
    }
    if (!keptAside.empty())
        ShowMessage("These scout files held text that cannot be kept (a character that is not plain text, a \"|\" "
                    "or a line that is too long); each was kept as it was under the name given:" + keptAside);
    if (!failures.empty()) {
        // The panel stays with every mark, so that the user can save again.
        ShowMessage("The attendance of these scouts could not be saved:" + failures);
        return;
    }
    pnlAttendance->Hide();
    AttendanceMatrix.clear();
    AttendanceScouts.clear();
    if (!gone.empty())
        ShowMessage("The files of these scouts are gone, so their attendance was not saved:" + gone);
}

void TForm1::btnCloseAttendanceClick(TObject*) {
    pnlAttendance->Hide();
    AttendanceMatrix.clear();
    AttendanceScouts.clear();
}

void TForm1::Button9Click(TObject*) {
    TStrings* lines = BeginPrintout("Attendance Sheet");
    lines->Add(SheetBorder);
    AnsiString heading = '|' + PadText(gridAttend->Cells(0, 0), 30, true) + "|";
    for (int week = 1; week <= PrintedWeeks; ++week) heading += PadText(gridAttend->Cells(week, 0), 5, true) + "|";
    lines->Add(heading);
    lines->Add(SheetBorder);
    for (size_t i = 0; i < AttendanceScouts.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        AnsiString line = '|' + PadText(gridAttend->Cells(0, row), 30, true) + "|";
        for (int week = 1; week <= PrintedWeeks; ++week)
            line += "  " + PadText(gridAttend->Cells(week, row), 3, true) + "|";
        lines->Add(line);
        lines->Add(SheetBorder);
    }
    PrintReportList();
}
