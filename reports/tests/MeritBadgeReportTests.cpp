// Reports > All Merit Badges Started and All Merit Badges Earned.
#include "reports/tests/ReportFixture.h"

namespace {
// A merit badge section with its dates and one requirement block.
std::vector<AnsiString> Badge(const AnsiString& name, const AnsiString& started, const AnsiString& completed) {
    return {"<Mb " + name + ">", "   <Updated>01/01/2026</Updated>", "   <Started>" + started + "</Started>",
            "   <Completed>" + completed + "</Completed>", "   <Awarded></Awarded>", "   <req>",
            "      <reqnbr>1</reqnbr>", "      <reqdate>02/02/2026</reqdate>", "      <reqcs></reqcs>", "   </req>",
            "</Mb " + name + ">"};
}
}  // namespace

class MeritBadgeReports : public ReportFixture {
protected:
    void SetUp() override {
        ReportFixture::SetUp();
        WriteScout("Ann", Join({Badge("Swimming", "01/05/2026", ""), Badge("Camping", "01/06/2026", "02/07/2026"),
                                Badge("Cooking", "", "03/03/2026"), Badge("Hiking", "", ""),
                                {"<Other Totin Chip>", "   <Started>01/01/2026</Started>", "   <Completed>01/02/2026</Completed>",
                                 "</Other Totin Chip>"}}));
        WriteScout("Bob", Join({Badge("Emergency Preparedness Extra", "12/24/2025 morning", ""),
                                Badge("Camping", "01/01/2026", "")}));
    }
    static AnsiString ScoutFirst(const AnsiString& scout, const AnsiString& badge, const AnsiString& date) {
        return Left(scout, 30) + "  " + Left(badge, 25) + "  " + Left(date, 10);
    }
    static AnsiString BadgeFirst(const AnsiString& scout, const AnsiString& badge, const AnsiString& date) {
        return Left(badge, 25) + "  " + Left(scout, 30) + "  " + Left(date, 10);
    }
};

TEST_F(MeritBadgeReports, StartedByScout) {
    desktop().QueueInput("s");
    std::vector<AnsiString> lines = Run(f->MeritBadgesStarted1);
    EXPECT_EQ(desktop().Inputs.back().prompt, "Sort by 'S'cout or 'B'adge?");
    EXPECT_EQ(desktop().Inputs.back().defaultValue, "S");
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("List of All Merit badges Started but not completed",
                       "Scout Name                      Merit Badge Earned         Started ",
                       "------------------------------  -------------------------  ----------"));
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{ScoutFirst("Ann", "Swimming", "01/05/2026"),
                                               ScoutFirst("Bob", "Camping", "01/01/2026"),
                                               ScoutFirst("Bob", "Emergency Preparedness Ex", "12/24/2025")}));
    for (const AnsiString& row : Rows()) EXPECT_EQ(row.size(), 69u);
}

TEST_F(MeritBadgeReports, StartedByBadgeForEveryOtherAnswer) {
    desktop().QueueInput("Badge");
    Run(f->MeritBadgesStarted1);
    EXPECT_EQ(f->lbRpt->Items()->Get(3), "Merit Badge Earned         Scout Name                      Started ");
    EXPECT_EQ(f->lbRpt->Items()->Get(4), "-------------------------  ------------------------------  ----------");
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{BadgeFirst("Bob", "Camping", "01/01/2026"),
                                               BadgeFirst("Bob", "Emergency Preparedness Ex", "12/24/2025"),
                                               BadgeFirst("Ann", "Swimming", "01/05/2026")}));
}

TEST_F(MeritBadgeReports, EarnedByBadgeByDefault) {
    desktop().QueueInput(std::nullopt);  // Cancel: the default "B"
    std::vector<AnsiString> lines = Run(f->AllMeritBadgesEarned2);
    EXPECT_EQ(desktop().Inputs.back().defaultValue, "B");
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("List of All Merit badges Earned",
                       "Merit Badge Earned         Scout Name                      Completed ",
                       "-------------------------  ------------------------------  ----------"));
    // Completed without a started date counts; other awards never do.
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{BadgeFirst("Ann", "Camping", "02/07/2026"),
                                               BadgeFirst("Ann", "Cooking", "03/03/2026")}));
}

TEST_F(MeritBadgeReports, EarnedByScout) {
    desktop().QueueInput("S");
    Run(f->AllMeritBadgesEarned2);
    EXPECT_EQ(f->lbRpt->Items()->Get(3), "Scout Name                      Merit Badge Earned         Completed ");
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{ScoutFirst("Ann", "Camping", "02/07/2026"),
                                               ScoutFirst("Ann", "Cooking", "03/03/2026")}));
}

TEST_F(MeritBadgeReports, BadgeSectionThatTheFileEndsInsideStillCounts) {
    WriteScout("Cal", {"<Mb Pioneering>", "   <Started>03/01/2026</Started>"});
    desktop().QueueInput("S");
    Run(f->MeritBadgesStarted1);
    EXPECT_EQ(Rows().back(), ScoutFirst("Cal", "Pioneering", "03/01/2026"));
}

TEST_F(MeritBadgeReports, SectionWithoutItsEndLineEndsWhereTheNextOpens) {
    WriteScout("Cal", {"<Mb Pioneering>", "   <Started>03/01/2026</Started>", "<Scout>", "</Scout>",
                       "<Mb Rowing>", "   <Started>02/01/2026</Started>", "   <Completed>03/02/2026</Completed>",
                       "</Mb Rowing>"});
    desktop().QueueInput("S");
    Run(f->MeritBadgesStarted1);
    EXPECT_EQ(Rows().back(), ScoutFirst("Cal", "Pioneering", "03/01/2026"));
    desktop().QueueInput("S");
    Run(f->AllMeritBadgesEarned2);
    EXPECT_EQ(Rows().back(), ScoutFirst("Cal", "Rowing", "03/02/2026"));
}
