// A generated troop for the benchmarks and for tests that need many realistic
// scouts: scout files at every stage (new scouts with empty sections, scouts
// working through the ranks, Eagles with their palms and some thirty merit
// badges, leaders), their notes files, and the requirement catalogs their
// sections name. Everything is deterministic: the same index always gives the
// same scout, so figures and snapshots can be compared from run to run.
//
// Dates are written in the short date format in force and counted back from
// Date(), so age groups come out the same whatever day the program runs on.
//
// Sizes: the largest scouts (about one in ten) hold about 2,000 lines; a
// troop of 300 holds about 250,000 lines in all.
#ifndef TRAILBOOK_BENCH_GENERATEDTROOP_H
#define TRAILBOOK_BENCH_GENERATEDTROOP_H

#include <string>
#include <vector>

using AnsiString = std::string;

namespace generated {

// The stage a scout is at decides what his file holds.
enum class Stage {
    Leader,   // an adult: "L-" patrol, empty rank sections
    Newcomer, // empty sections, as a new scout's file
    Ranks,    // working through the first ranks, a few merit badges
    Senior,   // Star or Life, a dozen merit badges
    Eagle,    // every rank and palm, about thirty merit badges (about 2,000 lines)
};

// The stage of the scout of that index (the same for every troop size).
Stage StageOf(int index);
// The unique name of the scout of that index ("Ben Carter", "Ada Okafor" ...).
AnsiString ScoutName(int index);
// The text of the scout's file (lines ended by a line feed).
std::string ScoutFileText(int index);
// The text of the scout's notes file (lines ended by CR LF).
std::string NotesFileText(int index);

// The text of a scout file of about `lines` lines for an Eagle, whatever the
// index's own stage: for benchmarks of one large scout.
std::string LargeScoutFileText(int index, int lines = 2000);

// Writes "<name>.scout" and "<name>.nts" for scouts 0..count-1 into the data
// folder (the current directory) and returns their names in index order.
std::vector<AnsiString> WriteTroop(int count);
// Writes one large scout (LargeScoutFileText) with its notes; returns its name.
AnsiString WriteLargeScout(int index = 0, int lines = 2000);

// Writes the catalogs of the nine ranks ("Second Class.Rank" ...), of every
// merit badge a generated scout can hold ("Camping.Mb" ...) and of the other
// awards ("Totin Chip.Other" ...), each with its requirements.
void WriteCatalogs();
// The merit badge names a generated scout can hold, in the order they are earned.
const std::vector<AnsiString>& MeritBadgeNames();

}  // namespace generated

#endif
