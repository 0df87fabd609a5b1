// Reports > Waiting to Award: the eleven kinds of sections.
#include "reports/tests/ReportFixture.h"

namespace {
std::vector<AnsiString> Section(const AnsiString& open, const AnsiString& close, const AnsiString& completed,
                                const AnsiString& awarded) {
    return {open, "   <Started>01/01/2025</Started>", "   <Completed>" + completed + "</Completed>",
            "   <Awarded>" + awarded + "</Awarded>", "   <req>", "      <reqnbr>1</reqnbr>", "   </req>", close};
}
}  // namespace

class WaitingToAward : public ReportFixture {
protected:
    static AnsiString Row(const AnsiString& scout, const AnsiString& label, const AnsiString& date) {
        return Left(scout, 30) + "  " + Left(label, 25) + "  " + Left(date, 10);
    }
};

TEST_F(WaitingToAward, EveryKindOfSectionCompletedAndNotAwarded) {
    const std::pair<AnsiString, AnsiString> sections[] = {
        {"Mb First Aid", "First Aid"},     {"Other Totin Chip", "Totin Chip"}, {"Tenderfoot", "Tenderfoot"},
        {"Secondclass", "Second Class"},   {"Firstclass", "First Class"},     {"Star", "Star"},
        {"Life", "Life"},                  {"Eagle", "Eagle"},                {"Bronzepalm", "Bronze Palm"},
        {"Silverpalm", "Silver Palm"},     {"Goldpalm", "Gold Palm"},
    };
    std::vector<AnsiString> waiting, awarded, notCompleted;
    std::vector<AnsiString> expected;
    for (const auto& [tag, label] : sections) {
        auto add = [&tag = tag](std::vector<AnsiString>& lines, const AnsiString& completed, const AnsiString& given) {
            auto s = Section("<" + tag + ">", "</" + tag + ">", completed, given);
            lines.insert(lines.end(), s.begin(), s.end());
        };
        add(waiting, "02/03/2025", "");
        add(awarded, "02/03/2025", "03/03/2025");
        add(notCompleted, "", "03/03/2025");
        expected.push_back(Row("Ann", label, "02/03/2025"));
    }
    WriteScout("Ann", waiting);
    WriteScout("Bob", awarded);
    WriteScout("Cal", notCompleted);
    std::vector<AnsiString> lines = Run(f->WaitingtoAward1);
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("List of All Awards completed but not awarded",
                       "Scout Name                      Award Earned               Completed ",
                       "------------------------------  -------------------------  ----------"));
    std::sort(expected.begin(), expected.end(), [](const AnsiString& a, const AnsiString& b) {
        return CompareText(a, b) < 0;
    });
    EXPECT_EQ(Rows(), expected);
    for (const AnsiString& row : Rows()) EXPECT_EQ(row.size(), 69u);
}

TEST_F(WaitingToAward, CutsTheColumnsAndKeepsTheLastDates) {
    WriteScout("Alexander Maximilian Worthington III",
               {"<Mb Environmental Science And Sustainability>", "   <Completed>2025-02-03 (late)</Completed>",
                "   <Completed></Completed>", "</Mb Environmental Science And Sustainability>",
                "<Other Totin Chip>", "   <Completed>01/01/2025</Completed>", "   <Awarded>02/02/2025</Awarded>",
                "   <Awarded></Awarded>", "</Other Totin Chip>"});
    Run(f->WaitingtoAward1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{
                          "Alexander Maximilian Worthingt  Environmental Science And  2025-02-03"}));
}

TEST_F(WaitingToAward, SectionThatTheFileEndsInsideStillGivesItsRow) {
    WriteScout("Ann", {"<Silverpalm>", "   <Completed>04/04/2025</Completed>"});
    Run(f->WaitingtoAward1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{Row("Ann", "Silver Palm", "04/04/2025")}));
}
