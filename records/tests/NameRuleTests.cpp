// One rule for every name that becomes a file name: scouts, awards and
// catalogs, typed or read from a file, never reach outside the data folder.
#include "records/FieldRules.h"
#include "records/tests/SheetFixture.h"

TEST(NameRule, RefusesWhatCannotNameAFileInsideTheDataFolder) {
    for (const char* good : {"Ann Lee", "First Aid", "O'Brien-Smith", "a.b", "..."})
        EXPECT_EQ(NameRefusal(good), "") << good;
    EXPECT_EQ(NameRefusal(AnsiString(MaxNameChars, 'x')), "");
    for (const AnsiString& bad :
         {AnsiString(""), AnsiString("   "), AnsiString("."), AnsiString(".."), AnsiString("a/b"), AnsiString("..\\x"),
          AnsiString("a<b"), AnsiString("a>b"), AnsiString("A|B"), AnsiString("Star*x"), AnsiString("Zo\xc3\xab"),
          AnsiString("tab\there"), AnsiString("del\x7f"), AnsiString(MaxNameChars + 1, 'x')})
        EXPECT_NE(NameRefusal(bad), "") << bad;
    EXPECT_EQ(NameRefusal("A|B").rfind("\"A|B\" cannot be used as a name", 0), 0u);
}

class NameRuleWindow : public SheetFixture {};

TEST_F(NameRuleWindow, NewScoutRefusesABarOrALetterOutsidePlainAscii) {
    for (const char* name : {"A|B", "Zo\xc3\xab", "../Ann", "a*b"}) {
        desktop().QueueInput(name);
        f->NewScout1Click(nullptr);
    }
    EXPECT_EQ(desktop().Messages.size(), 4u);
    EXPECT_TRUE(ListFiles("*.scout").empty());
    EXPECT_TRUE(ListFiles("*.nts").empty());
}

TEST_F(NameRuleWindow, AwardAndCatalogNamesReadNothingOutsideTheDataFolder) {
    CreateDir("data");
    WriteCatalog("Outside.Mb", 2);  // beside the data folder
    ASSERT_TRUE(SetCurrentDir("data"));

    // An award section of a hand-edited scout file names a catalog outside.
    StandScout("Ann", {"<Mb ../Outside>", "   <Started>01/01/2026</Started>", "</Mb ../Outside>"});
    f->FillAwardLists();
    ASSERT_EQ(Items(f->cboMBi->Items()), (std::vector<AnsiString>{"../Outside"}));
    UserInput::Pick(f->cboMBi, 0);
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_EQ(f->SheetCount, 0);
    EXPECT_NE(desktop().Messages.back().find("cannot be used as a name"), AnsiString::npos);

    // A catalog name typed into the editor.
    f->ClearScoutForm();
    f->AddMBReqs1Click(nullptr);
    f->cboMBs->SetText("../Outside");  // as a paste that got past the typing guard would
    f->cboMBsClick(f->cboMBs);
    EXPECT_EQ(f->lbReqlist->Items()->Count(), 0);
    EXPECT_EQ(f->CatalogLines[0][0], '\0');  // no catalog open
    ASSERT_TRUE(SetCurrentDir(".."));
}
