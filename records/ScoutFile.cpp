// The in-memory scout: masterlist holds the scout file's lines, slavelist one
// section at a time; and the small text helpers every report uses.
#include "records/Main.h"

#include "records/LineReader.h"

namespace {

// Replaces a list's lines in one step (one change notice instead of one per line).
void ReplaceLines(TStrings* list, std::vector<AnsiString> lines) {
    TStringList fresh;
    for (auto& line : lines) fresh.Add(line);
    list->Assign(fresh);
}

bool StartsWithText(const AnsiString& s, const AnsiString& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// A trimmed line that opens a section of the scout file. Used to end a
// section whose close tag is missing, so that storing it never swallows the
// sections after it.
bool IsSectionOpenTag(const AnsiString& trimmed) {
    static const char* const plain[] = {"<Scout>", "<Tenderfoot>", "<Secondclass>", "<Firstclass>", "<Star>",
                                        "<Life>", "<Eagle>", "<Bronzepalm>", "<Goldpalm>", "<Silverpalm>",
                                        "<Pos>", "<Camps>", "<Serv>", "<Attend>"};
    for (const char* tag : plain)
        if (trimmed == tag) return true;
    bool award = StartsWithText(trimmed, "<Mb ") || StartsWithText(trimmed, "<Other ");
    return award && trimmed.back() == '>' && trimmed.find('<', 1) == AnsiString::npos;
}

}  // namespace

std::vector<AnsiString> TForm1::SectionLines(const AnsiString& name, bool trimmed) {
    std::vector<AnsiString> lines;
    const AnsiString openTag = "<" + name + ">";
    const AnsiString closeTag = "</" + name + ">";
    bool inside = false;
    for (const AnsiString& raw : masterlist->Items()->Lines()) {
        AnsiString line = Trim(raw);
        if (!inside) {
            inside = line == openTag;
        } else if (line == closeTag) {
            break;
        } else {
            lines.push_back(trimmed ? std::move(line) : raw);
        }
    }
    return lines;
}

void TForm1::ExtractSection(const AnsiString& name) { ReplaceLines(slavelist->Items(), SectionLines(name, true)); }

void TForm1::StoreSection(const AnsiString& spec) {
    size_t star = spec.find('*');
    AnsiString name = spec.substr(0, star);
    AnsiString kind = star == AnsiString::npos ? AnsiString() : spec.substr(star + 1, 99);
    AnsiString openTag = (kind == "Mb" || kind == "Other") ? "<" + kind + " " + name + ">" : "<" + name + ">";
    AnsiString closeTag = "</" + openTag.substr(1);

    const std::vector<AnsiString>& old = masterlist->Items()->Lines();
    std::vector<AnsiString> kept;
    kept.reserve(old.size() + slavelist->Items()->Count() + 2);
    for (size_t i = 0; i < old.size(); ++i) {
        if (Trim(old[i]) != openTag) {
            kept.push_back(old[i]);
            continue;
        }
        // Skip the section up to its close tag; without one, up to the next section.
        size_t j = i + 1;
        while (j < old.size()) {
            AnsiString line = Trim(old[j]);
            if (line == closeTag) break;
            if (IsSectionOpenTag(line)) {
                --j;
                break;
            }
            ++j;
        }
        i = j;
    }
    kept.push_back(openTag);
    for (const AnsiString& line : slavelist->Items()->Lines()) kept.push_back(line);
    kept.push_back(closeTag);
    ReplaceLines(masterlist->Items(), std::move(kept));
}

void TForm1::LoadScoutFile(const AnsiString& name) {
    ReplaceLines(slavelist->Items(), ReadKeptLines(name + ".scout", LineKind::Scout));
}

AnsiString TForm1::TagValue(const AnsiString& line, const AnsiString& tag) {
    AnsiString trimmed = Trim(line);
    AnsiString openTag = "<" + tag + ">";
    if (!StartsWithText(trimmed, openTag)) return "";
    AnsiString rest = trimmed.substr(openTag.size(), 999);
    size_t close = rest.find("</" + tag + ">");
    return close == AnsiString::npos ? AnsiString() : rest.substr(0, close);
}

AnsiString TForm1::PadText(const AnsiString& text, int width, bool left) {
    if (width <= 0) return "";
    const AnsiString blanks(static_cast<size_t>(width) + 1, ' ');
    if (left) return (text + blanks).substr(0, static_cast<size_t>(width));
    AnsiString padded = blanks + text;
    return padded.substr(padded.size() - static_cast<size_t>(width));
}
