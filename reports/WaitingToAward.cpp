// Reports > Waiting to Award: every merit badge, other award, rank and palm
// that a listed scout has completed and not yet been presented with.
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

struct AwardSection {
    std::string_view open;  // an award tag word ("<Mb") or a whole rank line ("<Star>")
    bool awardTag;          // open is the start of an award's tag line
    const char* label;      // the label of a rank or palm
    std::string_view endMark;
};

// In the order the sections are tested.
constexpr AwardSection Sections[] = {
    {"<Mb", true, "", "</Mb"},
    {"<Other", true, "", "</Ot"},
    {"<Tenderfoot>", false, "Tenderfoot", "</Te"},
    {"<Secondclass>", false, "Second Class", "</Se"},
    {"<Firstclass>", false, "First Class", "</Fi"},
    {"<Star>", false, "Star", "</St"},
    {"<Life>", false, "Life", "</Li"},
    {"<Eagle>", false, "Eagle", "</Ea"},
    {"<Bronzepalm>", false, "Bronze Palm", "</Br"},
    {"<Silverpalm>", false, "Silver Palm", "</Si"},
    {"<Goldpalm>", false, "Gold Palm", "</Go"},
};

const AwardSection* SectionOpenedBy(std::string_view line) {
    for (const AwardSection& section : Sections)
        if (section.awardTag ? LineStartsWith(line, section.open) : line == section.open) return &section;
    return nullptr;
}

}  // namespace

void TForm1::WaitingtoAward1Click(TObject*) {
    if (!BeginListReport()) return;
    ScanListedScouts(true, [&](const AnsiString& name, const std::vector<std::string_view>& lines) {
        for (size_t j = 0; j < lines.size(); ++j) {
            const AwardSection* section = SectionOpenedBy(lines[j]);
            if (!section) continue;
            const AnsiString label = section->awardTag ? AwardNameOf(lines[j], section->open) : section->label;
            AnsiString completed, awarded;
            j = WalkSection(lines, j, [section](std::string_view line) { return LineStartsWith(line, section->endMark); },
                            [&](std::string_view line) {
                                TakeElementValue(line, "<Completed>", completed);
                                TakeElementValue(line, "<Awarded>", awarded);
                            });
            if (!completed.empty() && awarded.empty())
                AddReportRow(PadText(name, 30, true) + "  " + PadText(label, 25, true) + "  " +
                                    PadText(completed, 10, true));
        }
    });
    EndListReport("List of All Awards completed but not awarded",
                  "Scout Name                      Award Earned               Completed ",
                  "------------------------------  -------------------------  ----------");
}
