// Reports > Troop List and Reports > Patrol Lists: one contact row per
// <Scout> section of each listed scout, ordered by troop or by patrol.
#include "records/Main.h"
#include "reports/ReportLines.h"

namespace {

struct ContactValues {
    AnsiString troop, phone, patrol, birthdate, address;
};

// Reads the elements of a <Scout> section's line; the first tag that matches decides.
void TakeContactValue(std::string_view line, ContactValues& v) {
    TakeElementValue(line, "<Troop>", v.troop) || TakeElementValue(line, "<Phone>", v.phone) ||
        TakeElementValue(line, "<Patrol>", v.patrol) || TakeElementValue(line, "<Birthdate>", v.birthdate) ||
        TakeElementValue(line, "<Address>", v.address);
}

bool EndsScoutSection(std::string_view line) { return line == "</Scout>"; }

}  // namespace

// Adds one row for every <Scout> section of every listed scout; row lays
// out the row from the scout's name and values.
static void AddContactRows(TForm1& form,
                           const std::function<AnsiString(const AnsiString&, const ContactValues&)>& row) {
    form.ScanListedScouts(true, [&](const AnsiString& name, const std::vector<std::string_view>& lines) {
        ContactValues values;
        for (size_t j = 0; j < lines.size(); ++j) {
            if (lines[j] != "<Scout>") continue;
            j = WalkSection(lines, j, EndsScoutSection,
                            [&values](std::string_view line) { TakeContactValue(line, values); });
            // A file that ends inside the section still gives its row.
            form.AddReportRow(row(name, values));
        }
    });
}

void TForm1::TroopList1Click(TObject*) {
    if (!BeginListReport()) return;
    AddContactRows(*this, [this](const AnsiString& name, const ContactValues& v) {
        return PadText(v.troop, 5, false) + " " + PadText(name, 23, true) + " " + PadText(v.birthdate, 10, true) +
               " " + PadText(v.patrol, 18, true) + " " + PadText(v.address, 25, true) + " " +
               PadText(v.phone, 12, false);
    });
    EndListReport("Troop List",
                  "Troop Scout Name              Birthdate  Patrol Name        Address                   Telephone",
                  "----- ----------------------- ---------- ------------------ ------------------------- ------------");
}

void TForm1::PatrolLists1Click(TObject*) {
    if (!BeginListReport()) return;
    AddContactRows(*this, [this](const AnsiString& name, const ContactValues& v) {
        return PadText(v.patrol, 18, true) + " " + PadText(v.troop, 5, false) + " " + PadText(name, 23, true) + " " +
               PadText(v.birthdate, 10, true) + " " + PadText(v.address, 25, true) + " " +
               PadText(v.phone, 12, false);
    });
    EndListReport("Patrols List",
                  "Patrol Name        Troop Scout Name              Birthdate  Address                   Telephone",
                  "------------------ ----- ----------------------- ---------- ------------------------- ------------");
}
