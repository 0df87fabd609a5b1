// The scout list and its age-group filters. Each scout file is read once per
// rebuild: one pass gives its birth date, nickname and patrol.
#include <algorithm>
#include <cstring>

#include "records/Main.h"

namespace {

constexpr size_t MaxTagLineChars = 499;

// The values of the element lines the scout list looks at; each from the last
// line that carries it, as a reader that went through the file for each would.
struct ListTags {
    AnsiString birthdate, nickname, patrol;
};

bool Printable(unsigned char c) { return c >= 33 && c <= 126; }

bool OneOf(char c, const char* chars) {
    for (; *chars; ++chars)
        if (c == *chars) return true;
    return false;
}

// Calls visit with each line of bytes reduced to its printable 7-bit
// characters (33 to 126): blanks, tabs, control bytes and bytes above 126 are
// dropped, a NUL ends the line, and a line holds at most 499 characters.
// With firsts, only lines whose reduced text begins with "<" and a character
// of firsts are reduced and visited: the others cannot carry a wanted tag.
template <class Visit>
void ForEachTagLine(const std::string& bytes, const char* firsts, Visit visit) {
    AnsiString reduced;
    const char* data = bytes.data();
    size_t start = 0;
    while (start < bytes.size()) {
        const void* newline = std::memchr(data + start, '\n', bytes.size() - start);
        size_t end = newline ? static_cast<size_t>(static_cast<const char*>(newline) - data) : bytes.size();
        size_t limit = std::min(end, start + MaxTagLineChars);
        size_t i = start;
        while (i < limit && data[i] != 0 && !Printable(static_cast<unsigned char>(data[i]))) ++i;
        size_t second = i + 1;
        while (second < limit && data[second] != 0 && !Printable(static_cast<unsigned char>(data[second]))) ++second;
        bool wanted = !firsts || (i < limit && data[i] == '<' && second < limit && OneOf(data[second], firsts));
        if (wanted) {
            reduced.clear();
            for (size_t k = i; k < limit && data[k] != 0; ++k)
                if (Printable(static_cast<unsigned char>(data[k]))) reduced += data[k];
            visit(reduced);
        }
        start = end + 1;
    }
}

// Sets value from a reduced line that begins with tag: at most 99 characters
// after it, cut before the first "<".
void TakeTagValue(const AnsiString& line, const AnsiString& tag, AnsiString& value) {
    if (line.compare(0, tag.size(), tag) != 0) return;
    AnsiString rest = line.substr(tag.size(), 99);
    value = rest.substr(0, rest.find('<'));
}

ListTags ScanListTags(const std::string& bytes) {
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
int AgeGroupOfBirthdate(const AnsiString& birthdate) {
    TDateTime born;
    if (birthdate.empty() || !TryStrToDate(birthdate, born)) return 0;
    const TDateTime today = Date();
    if (born < today - 5844) return 4;
    if (born < today - 5113) return 3;
    if (born < today - 4383) return 2;
    return 1;
}

}  // namespace

int TForm1::AgeGroupOf(const AnsiString& fileName) { return AgeGroupOfBirthdate(ReadFileTag(fileName, "<Birthdate>")); }

AnsiString TForm1::ReadFileTag(const AnsiString& fileName, const AnsiString& tag) {
    std::string bytes;
    AnsiString value;
    if (!ReadWholeFile(fileName, bytes)) return value;
    const char firsts[] = {tag.size() > 1 ? tag[1] : '\0', '\0'};
    bool tagLike = tag.size() > 1 && tag[0] == '<' && firsts[0] != '\0';
    ForEachTagLine(bytes, tagLike ? firsts : nullptr, [&](const AnsiString& line) { TakeTagValue(line, tag, value); });
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

    // The names are gathered in a sorted list of their own and handed to the
    // scout list in one step, so that its screen side takes them in one call.
    TStringList names;
    names.SetSorted(cboSCTs->Sorted());
    std::string bytes;
    for (const AnsiString& fileName : flb->Items()->Lines()) {
        // The name is what stands before the ".scout" that ends the file name,
        // so a scout named "x.scout" (file "x.scout.scout") is listed as itself.
        // "X.SCOUT" and the like are never listed.
        const AnsiString suffix = ".scout";
        if (fileName.size() <= suffix.size() ||
            fileName.compare(fileName.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        size_t extension = fileName.size() - suffix.size();
        if (!ReadWholeFile(fileName, bytes)) continue;  // vanished or unreadable
        ListTags tags = ScanListTags(bytes);
        int group = AgeGroupOfBirthdate(tags.birthdate);
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
