// Reports > Troop List and Patrol Lists: columns, cuts, order and which
// scouts give rows.
#include "reports/tests/ReportFixture.h"

class TroopLists : public ReportFixture {
protected:
    static AnsiString TroopRow(const AnsiString& troop, const AnsiString& name, const AnsiString& birth,
                               const AnsiString& patrol, const AnsiString& address, const AnsiString& phone) {
        return Right(troop, 5) + " " + Left(name, 23) + " " + Left(birth, 10) + " " + Left(patrol, 18) + " " +
               Left(address, 25) + " " + Right(phone, 12);
    }
};

TEST_F(TroopLists, TroopListColumnsCutsAndOrder) {
    WriteScoutWith("Ann Long-Name Abernathy-Smith", {"<Updated>01/01/2026</Updated>", "<Troop>1234567</Troop>",
                                                     "<Phone>+1 (555) 123-4567</Phone>", "<Patrol>Flaming Arrows</Patrol>",
                                                     "<Birthdate>05/06/2013</Birthdate>",
                                                     "<Address>100 Very Long Boulevard Northeast</Address>"});
    WriteScoutWith("Bob", {"<Troop>12</Troop>", "<Patrol>Owls</Patrol>", "<Birthdate>01/02/2012</Birthdate>",
                           "<Phone>555-1234</Phone>"});
    WriteScoutWith("Cal", {"<Troop>7</Troop>", "<Patrol>Owls</Patrol>", "<Address>1 <b>Elm</b> St</Address>"});
    WriteScoutWith("Abe", {"<Troop>12</Troop>", "<Patrol>Eagles</Patrol>"});
    Run(f->TroopList1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{
                          TroopRow("7", "Cal", "", "Owls", "1 ", ""),
                          TroopRow("12", "Abe", "", "Eagles", "", ""),
                          TroopRow("12", "Bob", "01/02/2012", "Owls", "", "555-1234"),
                          // Name cut to 23, troop and phone keep their last 5 and 12.
                          "34567 Ann Long-Name Abernathy 05/06/2013 Flaming Arrows     100 Very Long Boulevard N "
                          "55) 123-4567",
                      }));
    for (const AnsiString& row : Rows()) EXPECT_EQ(row.size(), 98u);
    EXPECT_EQ(f->lbRpt->Items()->Get(3).size(), 95u);
    EXPECT_EQ(f->lbRpt->Items()->Get(4).size(), 98u);
}

TEST_F(TroopLists, PatrolListGroupsEachPatrol) {
    WriteScoutWith("Bob", {"<Troop>12</Troop>", "<Patrol>Owls</Patrol>"});
    WriteScoutWith("Cal", {"<Troop>7</Troop>", "<Patrol>Owls</Patrol>"});
    WriteScoutWith("Dan", {"<Troop>7</Troop>", "<Patrol>eagles</Patrol>", "<Phone>555-0000</Phone>"});
    std::vector<AnsiString> lines = Run(f->PatrolLists1);
    EXPECT_EQ(std::vector<AnsiString>(lines.begin(), lines.begin() + 5),
              TopLines("Patrols List",
                       "Patrol Name        Troop Scout Name              Birthdate  Address                   Telephone",
                       "------------------ ----- ----------------------- ---------- ------------------------- "
                       "------------"));
    auto row = [](const AnsiString& patrol, const AnsiString& troop, const AnsiString& name, const AnsiString& phone) {
        return Left(patrol, 18) + " " + Right(troop, 5) + " " + Left(name, 23) + " " + Left("", 10) + " " +
               Left("", 25) + " " + Right(phone, 12);
    };
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{row("eagles", "7", "Dan", "555-0000"), row("Owls", "7", "Cal", ""),
                                               row("Owls", "12", "Bob", "")}));
}

TEST_F(TroopLists, OneRowPerScoutSectionAndNoneWithout) {
    WriteScout("NoSection", {"<Pos>", "</Pos>"});
    WriteScout("Unclosed", {"<Pos>", "</Pos>", "<Scout>", "   <Troop>5</Troop>", "   <Patrol>Owls</Patrol>"});
    // Values of other sections are not taken; empty elements leave the column blank.
    WriteScout("Other", {"<Mb Camping>", "   <Troop>99</Troop>", "</Mb Camping>", "<Scout>", "   <Troop></Troop>",
                         "   <Phone>  </Phone>", "</Scout>"});
    Run(f->TroopList1);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{TroopRow("", "Other", "", "", "", ""),
                                               TroopRow("5", "Unclosed", "", "Owls", "", "")}));
}

TEST_F(TroopLists, RowThatSortsBeforeABlankStaysBelowTheTopLines) {
    // A hand-edited troop whose last five characters begin with a TAB.
    WriteScoutWith("Ann", {"<Troop>x\t1234</Troop>"});
    std::vector<AnsiString> lines = Run(f->TroopList1);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Troop List");
    EXPECT_EQ(lines[5], TroopRow("\t1234", "Ann", "", "", "", ""));
}

TEST_F(TroopLists, LeadersFilterListsTheLeaders) {
    WriteScoutWith("Lee", {"<Troop>7</Troop>", "<Patrol>L-Scoutmaster</Patrol>"});
    WriteScoutWith("Kid", {"<Troop>7</Troop>", "<Patrol>Owls</Patrol>"});
    Run(f->TroopList1, 5);
    EXPECT_EQ(Rows(), (std::vector<AnsiString>{TroopRow("7", "Lee", "", "L-Scoutmaster", "", "")}));
}
