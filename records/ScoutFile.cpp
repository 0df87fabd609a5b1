// The in-memory scout: masterlist holds the scout file's lines, slavelist one
// section at a time; and the small text helpers every report uses.
#include "records/Main.h"

#include <algorithm>

#include "records/LineReader.h"

bool TForm1::IsSectionOpenTag(std::string_view trimmed) {
    // Every open tag is "<", a name without "<", and ">"; element lines hold a second "<".
    if (trimmed.size() < 3 || trimmed[0] != '<' || trimmed.back() != '>' || trimmed.find('<', 1) != std::string_view::npos)
        return false;
    static constexpr std::string_view plain[] = {"<Scout>", "<Tenderfoot>", "<Secondclass>", "<Firstclass>",
                                                 "<Star>",  "<Life>",       "<Eagle>",       "<Bronzepalm>",
                                                 "<Goldpalm>", "<Silverpalm>", "<Pos>",       "<Camps>",
                                                 "<Serv>",  "<Attend>"};
    for (std::string_view tag : plain)
        if (trimmed == tag) return true;
    return StartsWith(trimmed, "<Mb ") || StartsWith(trimmed, "<Other ");
}

void TForm1::ReplaceLines(TStrings* list, std::vector<AnsiString> lines) { list->Assign(std::move(lines)); }

std::vector<std::string_view> TForm1::TrimmedMasterLines() const {
    const std::vector<AnsiString>& raw = masterlist->Items()->Lines();
    std::vector<std::string_view> trimmed;
    trimmed.reserve(raw.size());
    for (const AnsiString& line : raw) trimmed.push_back(TrimView(line));
    return trimmed;
}

std::span<const std::string_view> TForm1::SectionIn(std::span<const std::string_view> trimmed, const AnsiString& name) {
    const AnsiString openTag = "<" + name + ">";
    const AnsiString closeTag = "</" + name + ">";
    // Most lines differ from a tag in length or in their second character.
    auto is = [](std::string_view tag) {
        return [tag](std::string_view line) { return line.size() == tag.size() && line[1] == tag[1] && line == tag; };
    };
    auto open = std::find_if(trimmed.begin(), trimmed.end(), is(openTag));
    if (open == trimmed.end()) return {};
    // Without its close tag a section ends where the next one opens.
    auto closes = is(closeTag);
    auto end = std::find_if(open + 1, trimmed.end(),
                            [&](std::string_view line) { return closes(line) || IsSectionOpenTag(line); });
    return trimmed.subspan(static_cast<size_t>(open + 1 - trimmed.begin()), static_cast<size_t>(end - (open + 1)));
}

std::vector<AnsiString> TForm1::SectionLines(const AnsiString& name, bool trimmed) {
    const std::vector<std::string_view> all = TrimmedMasterLines();
    const std::span<const std::string_view> section = SectionIn(all, name);
    const std::vector<AnsiString>& raw = masterlist->Items()->Lines();
    const size_t first = section.empty() ? 0 : static_cast<size_t>(section.data() - all.data());
    std::vector<AnsiString> lines;
    lines.reserve(section.size());
    for (size_t i = 0; i < section.size(); ++i) lines.push_back(trimmed ? AnsiString(section[i]) : raw[first + i]);
    return lines;
}

void TForm1::ExtractSection(const AnsiString& name) { ReplaceLines(slavelist->Items(), SectionLines(name, true)); }

void TForm1::StoreSection(const AnsiString& spec) {
    size_t star = spec.find('*');
    AnsiString name = spec.substr(0, star);
    AnsiString kind = star == AnsiString::npos ? AnsiString() : spec.substr(star + 1, 99);
    AnsiString openTag = (kind == "Mb" || kind == "Other") ? "<" + kind + " " + name + ">" : "<" + name + ">";
    AnsiString closeTag = "</" + openTag.substr(1);

    // The lines move from masterlist and back, none is copied.
    std::vector<AnsiString> old = masterlist->Items()->TakeLines();
    std::vector<AnsiString> kept;
    kept.reserve(old.size() + slavelist->Items()->Count() + 2);
    for (size_t i = 0; i < old.size(); ++i) {
        if (TrimView(old[i]) != openTag) {
            kept.push_back(std::move(old[i]));
            continue;
        }
        // Skip the section up to its close tag; without one, up to the next section.
        size_t j = i + 1;
        while (j < old.size()) {
            std::string_view line = TrimView(old[j]);
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

AnsiString TForm1::ElementLine(const AnsiString& tag, const AnsiString& value) {
    return "   <" + tag + ">" + value + "</" + tag + ">";
}

AnsiString TForm1::ElementValue(std::string_view line, std::string_view openTag, std::string_view closeMark,
                                size_t maxChars) {
    if (!StartsWith(line, openTag)) return "";
    std::string_view rest = line.substr(openTag.size(), maxChars);
    size_t end = rest.find(closeMark);
    return end == std::string_view::npos ? AnsiString() : AnsiString(rest.substr(0, end));
}

AnsiString TForm1::TagValue(std::string_view line, const AnsiString& tag) {
    return ElementValue(TrimView(line), "<" + tag + ">", "</" + tag + ">", 999);
}

AnsiString TForm1::PadText(const AnsiString& text, int width, bool left) {
    if (width <= 0) return "";
    const AnsiString blanks(static_cast<size_t>(width) + 1, ' ');
    if (left) return (text + blanks).substr(0, static_cast<size_t>(width));
    AnsiString padded = blanks + text;
    return padded.substr(padded.size() - static_cast<size_t>(width));
}
