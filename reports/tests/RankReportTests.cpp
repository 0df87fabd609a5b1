// Reports > Current Rank list: rank levels, row layouts by sort answer.
#include "reports/tests/ReportFixture.h"

namespace {
std::vector<AnsiString> Rank(const AnsiString& section, const AnsiString& completed) {
    return {"<" + section + ">", "   <Started>01/01/2025</Started>", "   <Completed>" + completed + "</Completed>",
            "</" + section + ">"};
}
const std::vector<AnsiString> Personal{"<Scout>", "   <Patrol>Owls</Patrol>", "   <Troop>12</Troop>",
                                       "   <Birthdate>05/06/2013</Birthdate>", "</Scout>"};
}  // namespace

class RankReport : public ReportFixture {
protected:
    // The rank name of each scout, by scout name (sort "S").
    std::vector<AnsiString> Ranks() {
        desktop().QueueInput("S");
        Run(f->AllMeritBadgesEarned1);
        std::vector<AnsiString> ranks;
        for (const AnsiString& row : Rows()) ranks.push_back(row.substr(30 + 2 + 5 + 2 + 10 + 2 + 15 + 2));
        return ranks;
    }
};

TEST_F(RankReport, HighestCompletedRankWhateverTheOrder) {
    WriteScout("A", Join({Rank("Tenderfoot", "01/01/2025"), Rank("Secondclass", "02/01/2025"),
                          Rank("Firstclass", ""), Rank("Star", "03/01/2025")}));
    WriteScout("B", Join({Rank("Life", "04/01/2025"), Rank("Star", "03/01/2025")}));
    WriteScout("C", Join({Rank("Tenderfoot", ""), Rank("Goldpalm", "01/01/2025"), Rank("Bronzepalm", "01/01/2025")}));
    WriteScout("D", Join({Rank("Eagle", "06/01/2025"), Rank("Tenderfoot", "01/01/2024")}));
    WriteScout("E", {});
    // The file ends inside a completed rank's section.
    WriteScout("F", {"<Firstclass>", "   <Completed>05/05/2025</Completed>"});
    EXPECT_EQ(Ranks(), (std::vector<AnsiString>{"Star        ", "Life        ", "Scout       ", "Eagle       ",
                                                 "Scout       ", "First Class "}));
}

TEST_F(RankReport, LayoutsBySortAnswer) {
    WriteScout("Ann Abernathy-Smith-Jones-Wellington", Join({Personal, Rank("Tenderfoot", "01/01/2025")}));
    WriteScout("Bob", Join({{"<Scout>", "   <Troop>1234567</Troop>", "   <Patrol>Flaming Arrows Of Doom</Patrol>",
                             "</Scout>"}}));
    const AnsiString annName = "Ann Abernathy-Smith-Jones-Well";

    desktop().QueueInput("t");
    std::vector<AnsiString> lines = Run(f->AllMeritBadgesEarned1);
    EXPECT_EQ(desktop().Inputs.back().prompt, "Sort by 'T'roop,'S'cout or 'R'ank?");
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("Scout Rank report", "Troop  Scout Name                      Birthdate   Patrol           Rank",
                       "-----  ------------------------------  ----------  ---------------  ------------"));
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{
                          "   12  " + annName + "  05/06/2013  Owls             Tenderfoot  ",
                          "34567  " + Left("Bob", 30) + "  " + Left("", 10) + "  Flaming Arrows   Scout       ",
                      }));

    desktop().QueueInput(std::nullopt);  // Cancel: the default "S"
    lines = RunOnList(f->AllMeritBadgesEarned1);
    EXPECT_EQ(lines[3], "Scout Name                      Troop  Birthdate   Patrol           Rank");
    EXPECT_EQ(lines[4], "------------------------------  -----  ----------  ---------------  ------------");
    EXPECT_EQ(Rows()[0], annName + "     12  05/06/2013  Owls             Tenderfoot  ");

    desktop().QueueInput("");  // empty: the last option, rank first
    lines = RunOnList(f->AllMeritBadgesEarned1);
    EXPECT_EQ(lines[3], "Rank          Troop  Scout Name                      Birthdate   Patrol");
    EXPECT_EQ(lines[4], "------------  -----  ------------------------------  ----------  ---------------");
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{
                          "Scout         34567  " + Left("Bob", 30) + "  " + Left("", 10) + "  Flaming Arrows ",
                          "Tenderfoot       12  " + annName + "  05/06/2013  Owls           ",
                      }));
    for (const AnsiString& row : Rows()) EXPECT_EQ(row.size(), 80u);
}

TEST_F(RankReport, EveryListedScoutGetsOneRowSortedByRankName) {
    WriteScout("A", Rank("Star", "01/01/2025"));
    WriteScout("B", Rank("Eagle", "01/01/2025"));
    WriteScout("C", Rank("Secondclass", "01/01/2025"));
    WriteScout("D", {});
    desktop().QueueInput("R");
    Run(f->AllMeritBadgesEarned1);
    std::vector<AnsiString> ranks;
    for (const AnsiString& row : Rows()) ranks.push_back(Trim(row.substr(0, 12)));
    EXPECT_EQ(ranks, (std::vector<AnsiString>{"Eagle", "Scout", "Second Class", "Star"}));
}
