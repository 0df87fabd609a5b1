// The main window as a whole: what start-up leaves, the requirement rows it
// builds, the menu bar, closing, the About panel and help, the layout of the
// scout page, and the sample data folder that ships with the program.
#include <filesystem>
#include <regex>
#include <set>

#include "records/tests/WindowFixture.h"

namespace {

std::vector<AnsiString> Captions(TMenuItem* menu) {
    std::vector<AnsiString> captions;
    for (int i = 0; i < menu->Count(); ++i) captions.push_back(menu->Items(i)->Caption());
    return captions;
}

bool Overlap(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

// The window is created by each test, after it has written its data files.
class MainWindow : public WindowFixture {
protected:
    void SetUp() override { DataFolderTest::SetUp(); }

    void Start() { CreateForms(); }

    // One scout of each age group on today's date 03/15/2026, and a leader.
    static void WriteTroop() {
        WriteScoutWith("Al", {"<Birthdate>01/01/2015</Birthdate>"});  // 11
        WriteScoutWith("Bo", {"<Birthdate>06/01/2013</Birthdate>"});  // 12
        WriteScoutWith("Cy", {"<Birthdate>06/01/2011</Birthdate>"});  // 14
        WriteScoutWith("Di", {"<Birthdate>06/01/2009</Birthdate>"});  // 16
        WriteScoutWith("Lee", {"<Patrol>L-Staff</Patrol>", "<Birthdate>06/01/1980</Birthdate>"});
    }

    std::vector<AnsiString> ListedScouts() const { return f->cboSCTs->Items()->Lines(); }
};

TEST_F(MainWindow, StartUpLeavesAnEmptyWindowOverTheListOfNonLeaders) {
    WriteTroop();
    Start();

    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_FALSE(AddDlg->Visible());
    EXPECT_FALSE(DateDlg->Visible());

    EXPECT_EQ(ListedScouts(), (std::vector<AnsiString>{"Al", "Bo", "Cy", "Di"}));
    EXPECT_EQ(f->CurrentScout, "");
    EXPECT_TRUE(f->masterlist->Items()->Lines().empty());
    EXPECT_EQ(f->CatalogKind, "Mb");
    EXPECT_EQ(f->FieldSep, AnsiString(1, '\x1e'));
    EXPECT_TRUE(f->RowsLive);
    EXPECT_TRUE(f->RowsBuilt);
    EXPECT_TRUE(f->ResetAfterSave);
    EXPECT_EQ(f->ListMode, 0);
    for (int value : {f->CatalogSelIndex, f->CatalogCount, f->SheetScroll, f->SheetCount, f->SheetMaxScroll})
        EXPECT_EQ(value, 0);
    EXPECT_EQ(f->WeekReference, 0);

    EXPECT_EQ(f->Caption(), "Trailbook");
    EXPECT_EQ(f->lblRequirements->Caption(), "");
    EXPECT_EQ(f->lblInProgress->Caption(), "In Progress - 0");
    EXPECT_EQ(f->lblEarned->Caption(), "Earned - 0");
    EXPECT_EQ(f->btnNotes->Caption(), "Reqs");
    // Emptying the window while the positions list is shown changes nothing there.
    EXPECT_EQ(f->Label25->Caption(), "Position");
    EXPECT_EQ(f->Label23->Caption(), "End Date");
    EXPECT_TRUE(f->rbPositions->Checked());
    EXPECT_EQ(f->Label23->Caption(), "End Date");
    EXPECT_TRUE(f->AddMBReqs1->Enabled());

    // Start-up reads the folder and writes nothing into it.
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder()))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"Al.scout", "Bo.scout", "Cy.scout", "Di.scout", "Lee.scout"}));
}

TEST_F(MainWindow, TopLevelPanelsStandAtTheirPlacesInTheirOrder) {
    Start();
    struct Place {
        TControl* control;
        int left, top, width, height;
        bool shown;
    };
    // In the order in which they lie over one another, the last on top.
    const Place places[] = {
        {f->lblRequirements, 206, 16, 315, 27, true}, {f->lblRequirements2, 14, 16, 923, 601, true},
        {f->ShapeReq, 42, 17, 34, 34, true},           {f->panelAdv, 598, 7, 337, 605, true},
        {f->pnlScout, 13, 56, 551, 553, true},         {f->pnlNotes, 8, 8, 574, 604, true},
        {f->btnNotes, 526, 14, 44, 25, true},          {f->pnlAdd, 2, 4, 939, 645, false},
        {f->pnlRpts, 5, 0, 932, 645, false},           {f->pnlAttendance, 4, 0, 937, 645, false},
        {f->Panel2, 278, 180, 387, 229, false},
    };
    const auto& order = f->ControlList();
    long previous = -1;
    for (const Place& p : places) {
        SCOPED_TRACE(p.control->Name());
        EXPECT_EQ(p.control->Parent(), f);
        TRect r = p.control->BoundsRect();
        EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top}),
                  (std::vector<int>{p.left, p.top, p.width, p.height}));
        EXPECT_EQ(p.control->Visible(), p.shown);
        long at = std::find(order.begin(), order.end(), p.control) - order.begin();
        EXPECT_GT(at, previous);
        previous = at;
    }
    EXPECT_FALSE(f->masterlist->Visible());
    EXPECT_FALSE(f->slavelist->Visible());
    // The design's 953 x 706 window, placed top-centre on the 1280-pixel screen as the
    // rescaling component is read; the attendance panel designed at Top -1 is
    // placed at 0 (rounded toward zero) as the component is loaded.
    EXPECT_EQ((std::vector<int>{f->Left(), f->Top(), f->Width(), f->Height()}), (std::vector<int>{163, 0, 953, 706}));
}

TEST_F(MainWindow, ElevenRequirementRowsAreBuiltOnTheSheetPanel) {
    Start();
    const int panelWidth = f->pnlScout->Width();
    for (int r = 0; r < SheetRows; ++r) {
        SCOPED_TRACE(r);
        TPanel* row = f->RowPanel[r];
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Owner(), f->pnlScout);
        EXPECT_EQ(row->Parent(), f->pnlScout);
        EXPECT_EQ(row->Caption(), "");
        TRect at = row->BoundsRect();
        EXPECT_EQ((std::vector<int>{at.Left, at.Top, at.Right - at.Left, at.Bottom - at.Top}),
                  (std::vector<int>{11, 23 + 28 * r, panelWidth - 20, 25}));

        const std::pair<TControl*, std::vector<int>> parts[] = {
            {f->RowNumberLabel[r], {8, 5, 50, 14}},    {f->RowTextLabel[r], {60, 5, 200, 14}},
            {f->RowCounselorEdit[r], {280, 3, 100, 21}}, {f->RowDateEdit[r], {390, 3, 80, 21}},
            {f->RowStatusShape[r], {480, 3, 17, 17}},
        };
        for (const auto& [control, bounds] : parts) {
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->Owner(), row);
            EXPECT_EQ(control->Parent(), row);
            EXPECT_EQ(control->Caption(), "");
            TRect b = control->BoundsRect();
            EXPECT_EQ((std::vector<int>{b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top}), bounds);
        }
        EXPECT_EQ(f->RowStatusShape[r]->Shape(), stCircle);
        EXPECT_EQ(f->RowStatusShape[r]->Brush()->Color(), clBtnFace);
    }
}

TEST_F(MainWindow, EveryRowReachesTheRequirementItShows) {
    std::string catalog = "01/01/2020\n";
    for (int i = 1; i <= SheetRows; ++i)
        catalog +=
            std::to_string(i) + "\x1e" + "short " + std::to_string(i) + "\x1e" + "full " + std::to_string(i) + "\n";
    WriteFile("Tenderfoot.Rank", catalog);
    WriteScout("Ann", {"<Scout>", "</Scout>", "<Tenderfoot>", "</Tenderfoot>"});
    Start();
    Load("Ann");
    UserInput::Click(f->Label4);
    ASSERT_EQ(f->SheetCount, SheetRows);

    for (int r = 0; r < SheetRows; ++r) {
        SCOPED_TRACE(r);
        const int k = r + 1;
        UserInput::Click(f->RowTextLabel[r]);
        EXPECT_EQ(f->memoDescription->Lines()->Lines(), std::vector<AnsiString>{"full " + IntToStr(k)});

        UserInput::Type(f->RowCounselorEdit[r], "Dan " + IntToStr(k));
        EXPECT_EQ(AnsiString(f->ReqCounselor[k]), "Dan " + IntToStr(k));
        EXPECT_TRUE(f->memoDescription->Lines()->Lines().empty());

        UserInput::Type(f->RowDateEdit[r], "x");
        EXPECT_STREQ(f->ReqDate[k], "x");
        EXPECT_EQ(f->RowStatusShape[r]->Brush()->Color(), clGreen);

        desktop().QueueModal([k](TForm* form) {
            static_cast<TDateDlg*>(form)->Cal1->SetDate(EncodeDate(2026, 2, k));
            return mrOk;
        });
        UserInput::DblClick(f->RowDateEdit[r]);
        EXPECT_EQ(AnsiString(f->ReqDate[k]), DateToStr(EncodeDate(2026, 2, k)));
    }
    EXPECT_EQ(desktop().ModalForms, std::vector<AnsiString>(SheetRows, "TDateDlg"));
}

TEST_F(MainWindow, MenuBarCaptionsStandInTheirOrder) {
    Start();
    TMenuItem* bar = f->MainMenu1->Items();
    EXPECT_EQ(Captions(bar), (std::vector<AnsiString>{"File", "Edit", "Reports", "Filter", "Tools", "Help"}));
    const std::vector<std::vector<AnsiString>> items{
        {"New Scout", "Delete Current", "Save", "Backup", "e&xit"},
        {"Edit Requirements", "Undo Current Changes"},
        {"All Merit Badges Started", "All Merit Badges Earned", "Waiting to Award", "Current Rank list",
         "Current Positions Held", "Troop List", "Patrol Lists", "Scout Detail", "Progress Detail"},
        {"All Scouts (11-17)", "Blazer (11)", "Scout (12-13)", "Scout (11-13)", "Varsity (14-15)", "Venturer (16-17)",
         "Leaders"},
        {"Attendance", "Counselors", "General Notes", "Notepad"},
        {"Help", "About"},
    };
    ASSERT_EQ(bar->Count(), static_cast<int>(items.size()));
    for (int m = 0; m < bar->Count(); ++m) {
        EXPECT_EQ(Captions(bar->Items(m)), items[static_cast<size_t>(m)]);
        for (int i = 0; i < bar->Items(m)->Count(); ++i) EXPECT_EQ(bar->Items(m)->Items(i)->ShortCut(), 0);
    }
    // The fields name the items the handlers are bound to.
    EXPECT_EQ(bar->Items(0)->Items(4), f->exit1);
    EXPECT_EQ(bar->Items(3)->Items(3), f->Scout11131);
    EXPECT_EQ(bar->Items(5)->Items(1), f->About1);
}

TEST_F(MainWindow, FilterItemsListTheirAgeGroups) {
    WriteTroop();
    Start();
    const std::pair<TMenuItem*, std::vector<AnsiString>> filters[] = {
        {f->Blazer111, {"Al"}},     {f->Scout1, {"Bo"}},          {f->Scout11131, {"Al", "Bo"}},
        {f->Varsity14151, {"Cy"}},  {f->Venturer16171, {"Di"}},   {f->Leaders1, {"Lee"}},
        {f->All1, {"Al", "Bo", "Cy", "Di"}},
    };
    for (const auto& [item, listed] : filters) {
        SCOPED_TRACE(item->Caption());
        UserInput::ClickMenu(item);
        EXPECT_EQ(ListedScouts(), listed);
    }
}

TEST_F(MainWindow, FileAndEditItemsRunTheirCommands) {
    WriteScoutWith("Ann", {"<Updated>01/01/2026</Updated>", "<City>Old</City>"});
    WriteFile("Ann.nts", "note\r\n");
    Start();
    // The catalog editor opens and closes only before the first load.
    UserInput::ClickMenu(f->AddMBReqs1);
    EXPECT_TRUE(f->pnlAdd->Visible());
    EXPECT_EQ(f->AddMBReqs1->Caption(), "Close Requirements Editor");
    UserInput::ClickMenu(f->AddMBReqs1);
    EXPECT_FALSE(f->pnlAdd->Visible());
    Load("Ann");

    f->editCity->SetText("Typed");
    UserInput::ClickMenu(f->UndoCurrentChanges1);
    EXPECT_EQ(f->editCity->Text(), "Old");

    f->editCity->SetText("Saved");
    UserInput::ClickMenu(f->Save1);
    EXPECT_TRUE(Contains(FileLines("Ann.scout"), "   <City>Saved</City>"));
    EXPECT_EQ(f->CurrentScout, "Ann");

    desktop().QueueInput("N");
    UserInput::ClickMenu(f->DeleteCurrent1);
    ASSERT_EQ(desktop().Inputs.size(), 1u);
    EXPECT_EQ(desktop().Inputs[0].caption, "Delete Current Scout");
    EXPECT_EQ(f->CurrentScout, "Ann");

    desktop().QueueInput(std::nullopt);
    UserInput::ClickMenu(f->NewScout1);
    ASSERT_EQ(desktop().Inputs.size(), 2u);
    EXPECT_EQ(desktop().Inputs[1].caption, "New Scout");
    EXPECT_EQ(f->CurrentScout, "");
}

TEST_F(MainWindow, ExitClosesWithoutWritingWhenNoScoutIsLoadedAndFreesTheRows) {
    WriteScoutWith("Ann", {"<Updated>01/01/2026</Updated>", "<City>Old</City>"});
    const std::string before = ReadFile("Ann.scout");
    Start();
    f->editCity->SetText("typed with no scout loaded");

    UserInput::ClickMenu(f->exit1);
    EXPECT_TRUE(desktop().Terminated());
    EXPECT_EQ(ReadFile("Ann.scout"), before);
    EXPECT_FALSE(FileExists(".scout"));
    EXPECT_FALSE(FileExists(".nts"));
    EXPECT_FALSE(f->RowsBuilt);
    for (int r = 0; r < SheetRows; ++r) {
        EXPECT_EQ(f->RowPanel[r], nullptr);
        EXPECT_EQ(f->RowNumberLabel[r], nullptr);
        EXPECT_EQ(f->RowTextLabel[r], nullptr);
        EXPECT_EQ(f->RowCounselorEdit[r], nullptr);
        EXPECT_EQ(f->RowDateEdit[r], nullptr);
        EXPECT_EQ(f->RowStatusShape[r], nullptr);
    }
    // The row panels are gone from the sheet panel, and a second close finds nothing to free.
    for (TControl* control : f->pnlScout->ControlList()) EXPECT_EQ(dynamic_cast<TPanel*>(control), nullptr);
    UserInput::CloseBox(f);
    EXPECT_TRUE(desktop().Messages.empty());
}

TEST_F(MainWindow, AboutStaysShownUntilItsCloseAndHelpShowsTheFolderHelpFile) {
    Start();
    UserInput::ClickMenu(f->About1);
    UserInput::ClickMenu(f->About1);
    EXPECT_TRUE(f->Panel2->Visible());
    EXPECT_EQ(f->Button7->Caption(), "Close");
    UserInput::Click(f->Button7);
    EXPECT_FALSE(f->Panel2->Visible());

    std::filesystem::create_directory("Trailbook");
    WriteFile("Trailbook/TRAILBOOK.HLP", "<html></html>");
    Application->SetHelpFile(".\\Trailbook\\TRAILBOOK.HLP");
    UserInput::ClickMenu(f->Help2);
    ASSERT_EQ(desktop().HelpShown.size(), 1u);
    EXPECT_EQ(std::filesystem::path(desktop().HelpShown[0]),
              (std::filesystem::path(folder()) / "Trailbook" / "TRAILBOOK.HLP").lexically_normal());
}

TEST_F(MainWindow, CaptionsOfTheScoutPageAndTheSheetLeaveRoomForTheirFields) {
    Start();
    // Within each panel no control covers another, and every control lies inside its panel.
    for (TWinControl* panel : std::initializer_list<TWinControl*>{f->Panel5, f->pnlNotes, f->pnlScout, f->panelAdv,
                                                                  f->Panel7, f->Panel2, f->pnlRpts}) {
        std::vector<TControl*> designed;
        for (TControl* control : panel->ControlList())
            if (control->Owner() == f && control != f->pnlMBC) designed.push_back(control);
        for (size_t i = 0; i < designed.size(); ++i) {
            TRect a = designed[i]->BoundsRect();
            EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Right <= panel->Width() && a.Bottom <= panel->Height())
                << designed[i]->Name() << " leaves " << panel->Name();
            for (size_t j = i + 1; j < designed.size(); ++j)
                EXPECT_FALSE(Overlap(a, designed[j]->BoundsRect()))
                    << designed[i]->Name() << " covers " << designed[j]->Name() << " on " << panel->Name();
        }
    }
    const std::pair<const char*, AnsiString> captions[] = {
        {"Label40", "Name"},           {"lblGuardian", "Guardians"},   {"lblPatrol", "Patrol"},
        {"lblTroop", "Troop"},         {"lblNickname", "Age Group"},   {"lblAddress", "Address"},
        {"lblCityStateZip", "City State Zip"}, {"lblPhone", "Phone"}, {"lblBirthdate", "Birthdate"},
        {"lblValidThrough", "Valid Through:"}, {"lblMedForm", "Medical Form on file"}, {"lblEmail", "Email"},
        {"rbMF1", "Class I"},          {"rbMF2", "Class II"},          {"rbMF3", "Class III-"},
        {"Label22", "Start Date"},     {"Button5", "Add"},             {"Button6", "Update"},
        {"Button8", "Delete"},         {"Button1", "Add"},             {"Button3", "Add"},
    };
    for (const auto& [name, caption] : captions) {
        auto* control = dynamic_cast<TControl*>(f->FindComponent(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->Caption(), caption);
    }
    EXPECT_EQ(f->editNickname->Hint(), "Assigned age group:11, 12, 14, or 16");
}

// The sample data folder, copied into the test's data folder.
class SampleFolder : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        ASSERT_TRUE(std::filesystem::is_directory(SampleFolderPath())) << SampleFolderPath();
        std::filesystem::copy(SampleFolderPath(), folder(), std::filesystem::copy_options::recursive);
        Start();
    }

    // Opens the sheet and checks that its catalog was found and is well formed.
    void ExpectSheet(const AnsiString& what) {
        SCOPED_TRACE(what);
        EXPECT_TRUE(desktop().Messages.empty()) << desktop().Messages.back();
        EXPECT_FALSE(f->lblRequirements->Caption().empty());
        EXPECT_GT(f->SheetCount, 0);
        for (int k = 1; k <= f->SheetCount; ++k) {
            EXPECT_STRNE(f->ReqNumber[k], "");
            EXPECT_STRNE(f->ReqShortText[k], "");
            EXPECT_STRNE(f->ReqFullText[k], "");
        }
        for (int k = f->SheetCount + 1; k <= MaxRequirements; ++k) {
            EXPECT_STREQ(f->ReqDate[k], "") << "a requirement the catalog does not have";
        }
        for (TEdit* date : {f->deditStarted, f->deditCompleted, f->deditAwarded})
            if (!date->Text().empty()) {
                EXPECT_NO_THROW(StrToDate(date->Text())) << date->Text();
            }
    }
};

TEST_F(SampleFolder, EveryScoutLoadsAndEverySheetFindsItsCatalog) {
    const std::vector<AnsiString> scouts{"Ben Carter", "Eli Novak", "Luis Garcia", "Sam Okafor", "Tommy Adams"};
    EXPECT_EQ(ListedScouts(), scouts);
    UserInput::ClickMenu(f->Leaders1);
    EXPECT_EQ(ListedScouts(), std::vector<AnsiString>{"John Hayes"});

    int awards = 0, pictures = 0;
    for (AnsiString name : {"Ben Carter", "Eli Novak", "Luis Garcia", "Sam Okafor", "Tommy Adams", "John Hayes"}) {
        SCOPED_TRACE(name);
        Load(name);
        ASSERT_EQ(f->CurrentScout, name);
        EXPECT_TRUE(desktop().Messages.empty());
        EXPECT_FALSE(f->memoNotes->Lines()->Lines().empty());
        if (f->imageScout->Visible()) ++pictures;
        for (TEdit* date : {f->dateBirthdate, f->dateMeddate})
            if (!date->Text().empty()) {
                EXPECT_NO_THROW(StrToDate(date->Text())) << date->Text();
            }
        for (const AnsiString& entry : f->lbPositions->Items()->Lines())
            EXPECT_EQ(std::count(entry.begin(), entry.end(), '\t'), 2) << entry;

        for (TLabel* rank :
             {f->Label4, f->Label5, f->Label6, f->Label7, f->Label8, f->Label9, f->Label24, f->Label27, f->Label28}) {
            UserInput::Click(rank);
            ExpectSheet(rank->Caption());
        }
        for (TComboBox* list : {f->cboMBi, f->cboMBe, f->cboOtheri, f->cboOthere}) {
            for (int i = 0; i < list->Items()->Count(); ++i) {
                UserInput::Pick(list, i);
                ExpectSheet(list->Items()->Lines()[static_cast<size_t>(i)]);
                ++awards;
            }
        }
    }
    EXPECT_GE(awards, 5);
    EXPECT_EQ(pictures, 1);

    for (const AnsiString& line : FileLines("Counselors.txt")) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 8) << line;
        EXPECT_EQ(line.back(), '|') << line;
    }
}

TEST_F(SampleFolder, TheHelpFileNamesOnlyCommandsAndCaptionsTheWindowHas) {
    const std::string help = ReadFile("Trailbook/TRAILBOOK.HLP");
    ASSERT_FALSE(help.empty());

    // Every caption of the window, and every menu path "Menu > Item".
    std::set<AnsiString> captions, menuPaths;
    for (int i = 0; i < f->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(f->Components(i))) captions.insert(control->Caption());
    captions.insert("Scout");  // btnNotes while the sheet is shown
    TMenuItem* bar = f->MainMenu1->Items();
    auto plain = [](AnsiString caption) {
        caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
        return caption;
    };
    for (int m = 0; m < bar->Count(); ++m) {
        captions.insert(bar->Items(m)->Caption());
        for (int i = 0; i < bar->Items(m)->Count(); ++i)
            menuPaths.insert(plain(bar->Items(m)->Caption()) + " > " + plain(bar->Items(m)->Items(i)->Caption()));
    }

    const std::regex bold("<b>([^<]*)</b>");
    int named = 0;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), bold); it != std::sregex_iterator(); ++it, ++named) {
        AnsiString text = std::regex_replace((*it)[1].str(), std::regex("&gt;"), ">");
        if (text.find(" > ") != AnsiString::npos)
            EXPECT_TRUE(menuPaths.count(text)) << "no menu command " << text;
        else
            EXPECT_TRUE(captions.count(text)) << "no caption " << text;
    }
    EXPECT_GT(named, 10);

    // Help > Help shows the sample folder's own help file.
    Application->SetHelpFile(".\\Trailbook\\TRAILBOOK.HLP");
    UserInput::ClickMenu(f->Help2);
    ASSERT_EQ(desktop().HelpShown.size(), 1u);
    EXPECT_EQ(std::filesystem::path(desktop().HelpShown[0]),
              (std::filesystem::path(folder()) / "Trailbook" / "TRAILBOOK.HLP").lexically_normal());
}
