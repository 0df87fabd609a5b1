#include "bench/GeneratedTroop.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/DateTime.h"
#include "platform/core/Files.h"

namespace generated {
namespace {

// A small, fixed mix of the index and a salt: the "random" choices of a scout.
uint32_t Mix(int index, uint32_t salt) {
    uint32_t x = static_cast<uint32_t>(index) * 0x9E3779B1u ^ (salt * 0x85EBCA77u);
    x ^= x >> 15;
    x *= 0x2C1B3C6Du;
    x ^= x >> 12;
    x *= 0x297A2D39u;
    x ^= x >> 15;
    return x;
}
int Pick(int index, uint32_t salt, int below) { return static_cast<int>(Mix(index, salt) % static_cast<uint32_t>(below)); }

const char* const FirstNames[] = {"Ben",    "Eli",   "Sam",   "Luis",   "Tommy", "Ada",   "Noah",  "Liam",
                                  "Mason",  "Ethan", "Lucas", "Owen",   "Caleb", "Ryan",  "Jack",  "Henry",
                                  "Wyatt",  "Leo",   "Isaac", "Miles",  "Aiden", "Jonah", "Gabe",  "Theo",
                                  "Felix",  "Hugo",  "Omar",  "Ravi",   "Kenji", "Mateo", "Diego", "Arjun",
                                  "Nolan",  "Grant", "Reid",  "Simon",  "Tobias", "Victor", "Wes", "Zane"};
const char* const LastNames[] = {
    "Carter",  "Novak",   "Okafor",   "Garcia",  "Adams",   "Hayes",    "Nguyen",  "Patel",   "Kim",     "Larsen",
    "Brooks",  "Diaz",    "Ellis",    "Foster",  "Gomez",   "Hughes",   "Ibarra",  "Jensen",  "Kowalski", "Lopez",
    "Moreno",  "Nakamura", "Olsen",   "Price",   "Quinn",   "Reyes",    "Sato",    "Turner",  "Upton",   "Vargas",
    "Walsh",   "Xu",      "Young",    "Zimmer",  "Abbott",  "Bishop",   "Chen",    "Dunn",    "Erikson", "Fischer",
    "Grady",   "Holt",    "Iverson",  "Jordan",  "Keller",  "Lambert",  "Mendez",  "Nash",    "Ortiz",   "Park",
    "Ramsey",  "Silva",   "Tanaka",   "Ueda",    "Vance",   "Weber",    "Yates",   "Zhang",   "Alvarez", "Bauer",
    "Cole",    "Doyle",   "Everett",  "Flores",  "Gupta",   "Hart",     "Ito",     "Jacobs",  "Kaur",    "Lowe",
    "Murphy",  "Noble",   "Owens",    "Perez",   "Rossi",   "Schmidt",  "Torres",  "Vogel",   "Ward",    "York"};
constexpr int FirstCount = sizeof FirstNames / sizeof FirstNames[0];
constexpr int LastCount = sizeof LastNames / sizeof LastNames[0];

struct Rank {
    const char* section;  // the scout file's section name
    const char* display;  // the catalog's name
    int requirements;
};
const Rank Ranks[] = {{"Tenderfoot", "Tenderfoot", 15}, {"Secondclass", "Second Class", 12},
                      {"Firstclass", "First Class", 14}, {"Star", "Star", 8},
                      {"Life", "Life", 8},               {"Eagle", "Eagle", 7},
                      {"Bronzepalm", "Bronze Palm", 4},  {"Goldpalm", "Gold Palm", 4},
                      {"Silverpalm", "Silver Palm", 4}};

const char* const OtherAwards[] = {"Totin Chip", "Firem'n Chit", "50-Miler", "World Conservation", "Mile Swim"};
constexpr int MeritBadgeRequirements = 10;
constexpr int OtherRequirements = 5;

const char* const Counselors[] = {"J. Hayes", "M. Carter", "R. Novak", "S. Patel", "T. Brooks", "L. Kim"};
const char* const Patrols[] = {"Foxes", "Eagles", "Hawks", "Wolves", "Bears", "Owls"};
const char* const Positions[] = {"Patrol Leader",  "Scribe",         "Quartermaster", "Den Chief",
                                 "Troop Guide",    "Instructor",     "Librarian",     "Chaplain Aide",
                                 "Assistant Senior Patrol Leader", "Senior Patrol Leader"};
const char* const Camps[] = {"Summer camp, Camp Meriwether", "Winter campout, Silver Falls", "Spring camporee",
                             "Backpacking, Three Sisters", "Canoe trip, Willamette River", "Cabin camp, Mt. Hood"};
const char* const Services[] = {"Food drive at Riverton Market", "Trail work at Riverton Park",
                                "Flag ceremony, Veterans Day", "Church clean-up", "Library book sort",
                                "Eagle project help: trail steps"};

AnsiString Day(TDateTime base, int daysBack) { return DateToStr(base - daysBack); }

AnsiString Element(const char* tag, const AnsiString& value) {
    return "   <" + AnsiString(tag) + ">" + value + "</" + tag + ">\n";
}

// A requirement record of a rank or award section, as the sheet stores it:
// by its place in the catalog (from 1).
void AddRequirement(std::string& text, const AnsiString& number, const AnsiString& date, const char* counselor) {
    text += "   <req>\n      <reqnbr>" + number + "</reqnbr>\n      <reqdate>" + date + "</reqdate>\n      <reqcs>" +
            counselor + "</reqcs>\n   </req>\n";
}

AnsiString RequirementNumber(int r) {
    // Every third requirement stands alone, the others come in parts: 1, 2a, 2b, 3, 4a, 4b ...
    const int number = r / 3 * 2 + (r % 3 == 0 ? 1 : 2);
    return std::to_string(number) + (r % 3 == 1 ? "a" : r % 3 == 2 ? "b" : "");
}

// An award or rank section with its dates and requirement records; `done`
// requirements carry a date and a counselor, the rest are left out, as the
// sheet stores only what the scout has done.
void AddProgressSection(std::string& text, const AnsiString& openTag, int index, int salt, TDateTime today,
                        int startedBack, bool completed, int requirements, int done) {
    const AnsiString name = openTag.substr(1, openTag.size() - 2);
    int completedBack = std::max(1, startedBack - 60 - Pick(index, static_cast<uint32_t>(salt), 200));
    text += openTag + "\n";
    text += Element("Updated", Day(today, completed ? completedBack - 14 > 0 ? completedBack - 14 : 1 : 30));
    text += Element("Started", Day(today, startedBack));
    text += Element("Completed", completed ? Day(today, completedBack) : AnsiString());
    text += Element("Awarded", completed ? Day(today, std::max(1, completedBack - 14)) : AnsiString());
    for (int r = 0; r < std::min(done, requirements); ++r)
        AddRequirement(text, std::to_string(r + 1),
                       Day(today, std::max(1, startedBack - (startedBack - completedBack) * (r + 1) / (requirements + 1))),
                       Counselors[Pick(index, static_cast<uint32_t>(salt * 31 + r), 6)]);
    text += "</" + name + ">\n";
}

// How far along a scout is: ranks completed, the rank in progress, merit
// badges earned and in progress, other awards.
struct Progress {
    int ranksDone = 0;
    bool rankInProgress = false;
    int badgesEarned = 0, badgesStarted = 0;
    int others = 0;
    int positions = 0, camps = 0, services = 0;
    bool attendance = false;
};

Progress ProgressOf(Stage stage, int index) {
    Progress p;
    switch (stage) {
        case Stage::Leader: p.positions = 1; break;
        case Stage::Newcomer: p.rankInProgress = Pick(index, 1, 2) == 0; break;
        case Stage::Ranks:
            p.ranksDone = 1 + Pick(index, 2, 3);
            p.rankInProgress = true;
            p.badgesEarned = 1 + Pick(index, 3, 5);
            p.badgesStarted = 1 + Pick(index, 4, 3);
            p.others = Pick(index, 5, 2);
            p.positions = Pick(index, 6, 3);
            p.camps = 2 + Pick(index, 7, 5);
            p.services = 1 + Pick(index, 8, 4);
            p.attendance = true;
            break;
        case Stage::Senior:
            p.ranksDone = 4 + Pick(index, 9, 2);
            p.rankInProgress = true;
            p.badgesEarned = 10 + Pick(index, 10, 6);
            p.badgesStarted = 2 + Pick(index, 11, 3);
            p.others = 1 + Pick(index, 12, 3);
            p.positions = 2 + Pick(index, 13, 3);
            p.camps = 6 + Pick(index, 14, 6);
            p.services = 5 + Pick(index, 15, 6);
            p.attendance = true;
            break;
        case Stage::Eagle:
            p.ranksDone = 9;
            p.badgesEarned = 24;
            p.badgesStarted = 2;
            p.others = 3;
            p.positions = 6;
            p.camps = 15;
            p.services = 20;
            p.attendance = true;
            break;
    }
    return p;
}

int AgeInDaysOf(Stage stage, int index) {
    auto years = [&](int from, int span) { return static_cast<int>((from + Pick(index, 20, span * 100) / 100.0) * 365.25); };
    switch (stage) {
        case Stage::Leader: return years(28, 30);
        case Stage::Newcomer: return years(11, 2);
        case Stage::Ranks: return years(11, 4);
        case Stage::Senior: return years(13, 4);
        case Stage::Eagle: return years(15, 3);
    }
    return years(12, 1);
}

std::string ScoutText(int index, Stage stage, const Progress& p) {
    const TDateTime today = Date();
    const bool leader = stage == Stage::Leader;
    const int ageDays = AgeInDaysOf(stage, index);
    const int memberDays = leader ? 400 + Pick(index, 21, 3000) : std::min(ageDays - 10 * 365, 200 + p.ranksDone * 240 + Pick(index, 22, 120));
    const AnsiString last = LastNames[(index / FirstCount + 7 * (index % FirstCount)) % LastCount];

    std::string text = Day(today, memberDays) + "\n<Scout>\n";
    text += Element("Updated", Day(today, Pick(index, 23, 60)));
    text += Element("Guardian", leader ? AnsiString() : FirstNames[Pick(index, 24, FirstCount)] + AnsiString(" ") + last);
    text += Element("Patrol", leader ? AnsiString("L-Staff") : Patrols[Pick(index, 25, 6)]);
    text += Element("Troop", "214");
    // About one scout in twenty has an assigned age group.
    static const char* const assigned[] = {"11", "12", "14", "16"};
    text += Element("Nickname", !leader && Pick(index, 26, 20) == 0 ? assigned[Pick(index, 27, 4)] : "");
    text += Element("Address", std::to_string(10 + Pick(index, 28, 980)) + " " + LastNames[Pick(index, 29, LastCount)] +
                                   " Street");
    text += Element("City", "Riverton");
    text += Element("State", "OR");
    text += Element("Zip", "971" + std::to_string(10 + Pick(index, 30, 80)));
    text += Element("Phone", "555-0" + std::to_string(100 + Pick(index, 31, 900)));
    text += Element("Birthdate", Day(today, ageDays));
    text += Element("Meddate", Day(today, -30 - Pick(index, 32, 700)));
    text += Element("Medform", std::to_string(1 + Pick(index, 33, 3)));
    text += Element("Email", AnsiString(FirstNames[index % FirstCount]) + "." + last + "@example.org");
    text += "</Scout>\n";

    // The nine ranks, done ones with every requirement; the rank in progress
    // part-way; the others empty, as a new file holds them.
    int rankStart = memberDays;
    for (int r = 0; r < 9; ++r) {
        const Rank& rank = Ranks[r];
        const AnsiString openTag = '<' + AnsiString(rank.section) + '>';
        if (r < p.ranksDone) {
            AddProgressSection(text, openTag, index, 40 + r, today, std::max(2, rankStart), true, rank.requirements,
                               rank.requirements);
            rankStart = std::max(2, rankStart - 120 - Pick(index, 50 + static_cast<uint32_t>(r), 90));
        } else if (r == p.ranksDone && p.rankInProgress) {
            AddProgressSection(text, openTag, index, 40 + r, today, std::max(2, rankStart), false, rank.requirements,
                               Pick(index, 60, rank.requirements));
        } else {
            text += openTag + "\n</" + rank.section + ">\n";
        }
    }

    text += "<Pos>\n";
    for (int i = 0; i < p.positions; ++i) {
        int from = memberDays - i * memberDays / (p.positions + 1);
        bool current = i == p.positions - 1;
        text += Day(today, from) + "\t" + (current ? AnsiString("--Current--") : Day(today, from - 180)) + "\t" +
                (leader ? AnsiString("Scoutmaster") : AnsiString(Positions[std::min(i + Pick(index, 70, 3), 9)])) + "\n";
    }
    text += "</Pos>\n<Camps>\n";
    for (int i = 0; i < p.camps; ++i) {
        int from = memberDays - (i + 1) * memberDays / (p.camps + 2);
        text += Day(today, from) + "\t" + Day(today, from - 2 - Pick(index, 71 + static_cast<uint32_t>(i), 6)) + "\t" +
                Camps[Pick(index, 90 + static_cast<uint32_t>(i), 6)] + "\n";
    }
    text += "</Camps>\n<Serv>\n";
    for (int i = 0; i < p.services; ++i) {
        int on = memberDays - (i + 1) * memberDays / (p.services + 2);
        text += Day(today, on) + "\t" + std::to_string(1 + Pick(index, 110 + static_cast<uint32_t>(i), 6)) + ":00\t" +
                Services[Pick(index, 130 + static_cast<uint32_t>(i), 6)] + "\n";
    }
    text += "</Serv>\n";

    // Merit badges: each scout starts at his own place in the list.
    const std::vector<AnsiString>& badges = MeritBadgeNames();
    const int first = Pick(index, 150, static_cast<int>(badges.size()));
    for (int b = 0; b < p.badgesEarned + p.badgesStarted; ++b) {
        const AnsiString& name = badges[static_cast<size_t>((first + b) % static_cast<int>(badges.size()))];
        bool earned = b < p.badgesEarned;
        int started = std::max(2, memberDays - 30 - b * (memberDays - 60) / (p.badgesEarned + p.badgesStarted + 1));
        AddProgressSection(text, "<Mb " + name + ">", index, 200 + b, today, started, earned, MeritBadgeRequirements,
                           earned ? MeritBadgeRequirements : Pick(index, 300 + static_cast<uint32_t>(b), 6));
    }
    for (int o = 0; o < p.others; ++o)
        AddProgressSection(text, "<Other " + AnsiString(OtherAwards[o]) + ">", index, 400 + o, today,
                           std::max(2, memberDays - 100 - 90 * o), o + 1 < p.others || p.others == 3, OtherRequirements,
                           OtherRequirements);

    if (p.attendance) {
        // The week reference is the Sunday of this week; weeks before the scout joined are "0".
        TDateTime sunday = today - (DayOfWeek(today) - 1);
        text += "<Attend>\n   " + DateToStr(sunday) + "\n";
        for (int l = 0; l < 7; ++l) {
            text += "   ";
            for (int w = 0; w < 52; ++w) {
                int week = l * 52 + w;
                bool member = week * 7 < memberDays;
                text += member && Pick(index, 500 + static_cast<uint32_t>(week), 10) < 7 ? '1' : '0';
            }
            text += "\n";
        }
        text += "</Attend>\n";
    }
    return text;
}

}  // namespace

Stage StageOf(int index) {
    // In every 20 scouts: one leader, four newcomers, seven working through
    // the first ranks, six seniors and two Eagles.
    static const Stage pattern[20] = {Stage::Ranks,    Stage::Newcomer, Stage::Senior, Stage::Ranks,  Stage::Eagle,
                                      Stage::Ranks,    Stage::Senior,   Stage::Newcomer, Stage::Ranks, Stage::Senior,
                                      Stage::Leader,   Stage::Ranks,    Stage::Senior, Stage::Newcomer, Stage::Eagle,
                                      Stage::Ranks,    Stage::Senior,   Stage::Ranks,  Stage::Newcomer, Stage::Senior};
    return pattern[index % 20];
}

AnsiString ScoutName(int index) {
    // Unique for the first 3,200 indexes; later ones carry their number.
    AnsiString name = AnsiString(FirstNames[index % FirstCount]) + " " +
                      LastNames[(index / FirstCount + 7 * (index % FirstCount)) % LastCount];
    if (index >= FirstCount * LastCount) name += ' ' + std::to_string(index / (FirstCount * LastCount) + 1);
    return name;
}

std::string ScoutFileText(int index) {
    Stage stage = StageOf(index);
    return ScoutText(index, stage, ProgressOf(stage, index));
}

std::string LargeScoutFileText(int index, int lines) {
    Progress p = ProgressOf(Stage::Eagle, index);
    // An Eagle holds about 2,000 lines; each merit badge earned is 57 of them.
    p.badgesEarned = std::max(0, p.badgesEarned + (lines - 2000) / 57);
    std::string text = ScoutText(index, Stage::Eagle, p);
    return text;
}

std::string NotesFileText(int index) {
    std::string text = "Joined from Pack " + std::to_string(100 + Pick(index, 600, 300)) + ".\r\n";
    int lines = Pick(index, 601, 6);
    for (int i = 0; i < lines; ++i)
        text += "Talked with the family about " + AnsiString(Camps[Pick(index, 602 + static_cast<uint32_t>(i), 6)]) +
                "; next step: " + Positions[Pick(index, 620 + static_cast<uint32_t>(i), 10)] + ".\r\n";
    return text;
}

std::vector<AnsiString> WriteTroop(int count) {
    std::vector<AnsiString> names;
    names.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        names.push_back(ScoutName(i));
        WriteWholeFile(names.back() + ".scout", ScoutFileText(i));
        WriteWholeFile(names.back() + ".nts", NotesFileText(i));
    }
    return names;
}

AnsiString WriteLargeScout(int index, int lines) {
    const AnsiString name = ScoutName(index);
    WriteWholeFile(name + ".scout", LargeScoutFileText(index, lines));
    WriteWholeFile(name + ".nts", NotesFileText(index));
    return name;
}

const std::vector<AnsiString>& MeritBadgeNames() {
    static const std::vector<AnsiString> names = {
        "Camping",      "First Aid",        "Citizenship in the Community", "Swimming",  "Cooking",
        "Communication", "Personal Fitness", "Citizenship in the Nation",   "Hiking",    "Environmental Science",
        "Family Life",  "Personal Management", "Citizenship in the World",  "Emergency Preparedness",
        "Lifesaving",   "Cycling",          "Archery",    "Astronomy",      "Canoeing",  "Chemistry",
        "Climbing",     "Fishing",          "Geology",    "Leatherwork",    "Orienteering", "Photography",
        "Pioneering",   "Reading",          "Rifle Shooting", "Weather",    "Wilderness Survival", "Woodwork"};
    return names;
}

void WriteCatalogs() {
    const AnsiString sep(1, '\x1e');
    auto catalog = [&](const AnsiString& file, const AnsiString& award, int requirements) {
        std::string text = DateToStr(Date() - 400) + "\n";
        for (int r = 0; r < requirements; ++r) {
            AnsiString number = RequirementNumber(r);
            text += number + sep + award + " requirement " + number + sep + "Explain and show " + award +
                    " requirement " + number + " to your counselor.|Then discuss what you learned.\n";
        }
        WriteWholeFile(file, text);
    };
    for (const Rank& rank : Ranks) catalog(AnsiString(rank.display) + ".Rank", rank.display, rank.requirements);
    for (const AnsiString& badge : MeritBadgeNames()) catalog(badge + ".Mb", badge, MeritBadgeRequirements);
    for (const char* other : OtherAwards) catalog(AnsiString(other) + ".Other", other, OtherRequirements);
}

}  // namespace generated
