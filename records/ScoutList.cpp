// The scout list and its age-group filters. Each scout file is read once per
// rebuild: one pass gives its birth date, nickname and patrol.
#include <algorithm>
#include <string_view>

#include "records/ByteScan.h"
#include "records/Main.h"

namespace {

constexpr size_t MaxTagLineChars = 499;

// The values of the element lines the scout list looks at; each from the last
// line that carries it, as a reader that went through the file for each would.
struct ListTags {
    AnsiString birthdate, nickname, patrol;
};

bool Printable(unsigned char c) { return c >= 33 && c <= 126; }

// One line (its bytes without its line end) reduced to its printable 7-bit
// characters (33 to 126): blanks, tabs, control bytes and bytes above 126 are
// dropped, a NUL ends the line, and a line holds at most 499 characters.
void ReduceLine(std::string_view line, AnsiString& reduced) {
    line = line.substr(0, MaxTagLineChars);
    line = line.substr(0, line.find('\0'));
    reduced.clear();
    for (char c : line)
        if (Printable(static_cast<unsigned char>(c))) reduced += c;
}

// Calls visit with each line of bytes reduced (ReduceLine); a line feed and a
// carriage return each end a line. With firsts (at most three characters),
// only lines whose reduced text begins with "<" and a character of firsts are
// visited: the others cannot carry a wanted tag. In each of those, the
// printable byte before that character is the "<": the places of the
// characters are found with memchr, and only the lines where "<" stands
// before one are read.
template <class Visit>
void ForEachTagLine(std::string_view bytes, std::string_view firsts, Visit visit) {
    AnsiString reduced;
    if (firsts.empty() || firsts.size() > 3) {
        for (size_t start = 0; start < bytes.size();) {
            const size_t end = LineEnd(bytes, start);
            ReduceLine(bytes.substr(start, end - start), reduced);
            visit(reduced);
            start = end + 1;
        }
        return;
    }
    size_t next[3];  // the next place of each character of firsts, looked for again once passed
    for (size_t k = 0; k < firsts.size(); ++k) next[k] = bytes.find(firsts[k]);
    for (size_t from = 0;;) {
        size_t at = std::string_view::npos;
        for (size_t k = 0; k < firsts.size(); ++k) {
            if (next[k] < from) next[k] = bytes.find(firsts[k], from);
            at = std::min(at, next[k]);
        }
        if (at == std::string_view::npos) return;
        size_t before = at;  // the byte before it, dropped bytes on its line passed over
        while (before > 0 && !Printable(bytes[before - 1]) && !IsLineBreak(bytes[before - 1])) --before;
        if (before == 0 || bytes[before - 1] != '<') {
            from = at + 1;
            continue;
        }
        const size_t start = LineStart(bytes, at), end = LineEnd(bytes, at);
        ReduceLine(bytes.substr(start, end - start), reduced);
        if (reduced.size() > 1 && reduced[0] == '<' && firsts.find(reduced[1]) != std::string_view::npos) visit(reduced);
        from = end + 1;
    }
}

// Sets value from a reduced line that begins with tag: at most 99 characters
// after it, cut before the first "<".
void TakeTagValue(std::string_view line, std::string_view tag, AnsiString& value) {
    if (line.substr(0, tag.size()) != tag) return;
    std::string_view rest = line.substr(tag.size(), 99);
    value.assign(rest.substr(0, rest.find('<')));
}

ListTags ScanListTags(std::string_view bytes) {
    ListTags tags;
    ForEachTagLine(bytes, "BNP", [&](const AnsiString& line) {
        TakeTagValue(line, "<Birthdate>", tags.birthdate);
        TakeTagValue(line, "<Nickname>", tags.nickname);
        TakeTagValue(line, "<Patrol>", tags.patrol);
    });
    return tags;
}

// 0 no birth date (or one that is not a date), 1 under 12, 2 from 12 to 13,
// 3 from 14 to 15, 4 from 16.
int AgeGroupOfBirthdate(const AnsiString& birthdate, TDateTime today) {
    TDateTime born;
    if (birthdate.empty() || !TryStrToDate(birthdate, born)) return 0;
    if (born < today - 5844) return 4;
    if (born < today - 5113) return 3;
    if (born < today - 4383) return 2;
    return 1;
}

}  // namespace

int TForm1::AgeGroupOf(const AnsiString& fileName) { return AgeGroupOfBirthdate(ReadFileTag(fileName, "<Birthdate>"), Date()); }

AnsiString TForm1::ReadFileTag(const AnsiString& fileName, const AnsiString& tag) {
    WholeFileReader file;
    AnsiString value;
    if (!file.Read(fileName)) return value;
    const std::string_view bytes = file.Bytes();
    // A tag ("<Nickname>") is looked for by its first letter; anything else on every line.
    const bool tagLike = tag.size() > 1 && tag[0] == '<' && tag[1] != '\0';
    ForEachTagLine(bytes, tagLike ? std::string_view(tag).substr(1, 1) : std::string_view(),
                   [&](const AnsiString& line) { TakeTagValue(line, tag, value); });
    return value;
}

void TForm1::RefreshScoutList(int mode) {
    if (!SaveAndUnload()) return;  // the save failed and was reported; the scout stays loaded
    ClearScoutForm();
    cboSCTs->Clear();
    if (flb->Mask() == "*.scout")
        flb->Update();
    else
        flb->SetMask("*.scout");

    // The names are gathered in a list of their own and handed to the scout
    // list in one step (its sorted mode sorts them as it takes them), so that
    // its screen side takes them in one call.
    TStringList names;
    const TDateTime today = Date();
    WholeFileReader file;  // one buffer for every file
    for (const AnsiString& fileName : flb->Items()->Lines()) {
        // The name is what stands before the ".scout" that ends the file name,
        // so a scout named "x.scout" (file "x.scout.scout") is listed as itself.
        // "X.SCOUT" and the like are never listed.
        const AnsiString suffix = ".scout";
        if (fileName.size() <= suffix.size() ||
            fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        size_t extension = fileName.size() - suffix.size();
        if (!file.Read(fileName)) continue;  // vanished or unreadable
        ListTags tags = ScanListTags(file.Bytes());
        int group = AgeGroupOfBirthdate(tags.birthdate, today);
        int nickname = 0;
        if (!tags.nickname.empty()) {
            if (TryStrToInt(tags.nickname, nickname)) {
                switch (nickname) {
                    case 11: group = mode == 6 ? 6 : 1; break;
                    case 12: group = mode == 6 ? 6 : 2; break;
                    case 14: group = 3; break;
                    case 16: group = 4; break;
                    default: group = nickname; break;
                }
            }
        } else if (mode == 6 && (group == 1 || group == 2)) {
            group = 6;
        }
        bool leader = tags.patrol.compare(0, 2, "L-") == 0;
        bool kept = mode == 5 ? leader : !leader && (mode == 0 || group == mode);
        if (kept) names.Add(fileName.substr(0, extension));
    }
    cboSCTs->Items()->Assign(names);
}

void TForm1::All1Click(TObject*) { RefreshScoutList(0); }
void TForm1::Blazer111Click(TObject*) { RefreshScoutList(1); }
void TForm1::Scout1Click(TObject*) { RefreshScoutList(2); }
void TForm1::Scout11131Click(TObject*) { RefreshScoutList(6); }
void TForm1::Varsity14151Click(TObject*) { RefreshScoutList(3); }
void TForm1::Venturer16171Click(TObject*) { RefreshScoutList(4); }
void TForm1::Leaders1Click(TObject*) { RefreshScoutList(5); }
