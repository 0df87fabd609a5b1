// A form read from its description, run modally, closed, and driven by user
// input through the application's exception guard.
#include <filesystem>

#include "TestForm.h"
#include "platform/testing/DataFolderTest.h"

namespace {

class FormTest : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        Application->CreateForm(form);
    }
    TTestForm* form = nullptr;
};

TEST_F(FormTest, DescriptionBuildsTheFormWithoutRaisingChangeEvents) {
    EXPECT_EQ(form->Calls, (std::map<AnsiString, int>{{"FormCreate:TestForm", 1}}));
    EXPECT_EQ(Application->MainForm(), form);
    // The client size written in the description survives the menu set afterwards.
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 300);
    EXPECT_EQ(form->Width(), 408);
    EXPECT_EQ(form->Height(), 350);
    EXPECT_EQ(form->Menu(), form->MainMenu1);
    ASSERT_EQ(form->MainMenu1->Items()->Count(), 1);
    EXPECT_EQ(form->MainMenu1->Items()->Items(0), form->File1);
    EXPECT_EQ(form->Exit1->ParentItem(), form->File1);
    EXPECT_EQ(form->Edit1->Parent(), form->Panel1);
    EXPECT_EQ(form->Edit1->Text(), "abc");
    // Each panel keeps its own checked radio button.
    EXPECT_TRUE(form->rb1->Checked());
    EXPECT_TRUE(form->rb3->Checked());
    // The edit follows its panel's font.
    EXPECT_EQ(form->Edit1->Font()->Height(), -16);
    EXPECT_EQ(form->Edit1->Font()->Name(), "Arial");
    EXPECT_TRUE(form->Edit1->ParentFont());
    EXPECT_FALSE(form->Visible());
}

TEST_F(FormTest, ButtonWithModalResultEndsAModalRun) {
    desktop().QueueModal([](TForm* shown) {
        UserInput::Click(static_cast<TTestForm*>(shown)->OKBtn);
        return shown->ModalResult();
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(form->Calls["OKBtnClick:OKBtn"], 1);
    EXPECT_EQ(desktop().ModalForms, std::vector<AnsiString>{"TTestForm"});
    EXPECT_FALSE(form->Modal());

    // The close box of a modal form cancels it.
    desktop().QueueModal([](TForm* shown) {
        UserInput::CloseBox(shown);
        return shown->ModalResult();
    });
    EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(FormTest, CloseFollowsTheCloseAction) {
    TCloseAction answer = caNone;
    form->OnClose = [&](TObject*, TCloseAction& action) { action = answer; };
    form->Show();
    form->Close();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(desktop().Terminated());

    // Closing the main form ends the program.
    answer = caHide;
    form->Close();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(desktop().Terminated());

    // Another form only hides.
    TTestForm* second = nullptr;
    Application->CreateForm(second);
    second->Show();
    second->Close();
    EXPECT_FALSE(second->Visible());
}

TEST_F(FormTest, UncaughtExceptionsInHandlersAreShownAndTheProgramGoesOn) {
    form->OKBtn->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
    form->rb2->OnClick = [](TObject*) { throw std::runtime_error("plain failure"); };
    form->Exit1->OnClick = [](TObject*) { throw 42; };
    UserInput::Click(form->OKBtn);
    UserInput::Click(form->rb2);
    UserInput::ClickMenu(form->Exit1);
    EXPECT_EQ(desktop().Messages,
              (std::vector<AnsiString>{"'x' is not a valid integer value", "plain failure", ""}));
    EXPECT_EQ(desktop().MessageCaptions, (std::vector<AnsiString>{"Trailbook", "Trailbook", "Trailbook"}));
    // The state changed before the handler threw stays.
    EXPECT_TRUE(form->rb2->Checked());
}

TEST_F(FormTest, DisabledControlsAndMenuItemsIgnoreTheUser) {
    form->OKBtn->SetEnabled(false);
    form->Exit1->SetEnabled(false);
    UserInput::Click(form->OKBtn);
    UserInput::ClickMenu(form->Exit1);
    EXPECT_EQ(form->Calls.count("OKBtnClick:OKBtn"), 0u);
    EXPECT_EQ(form->Calls.count("Exit1Click:Exit1"), 0u);
    form->Exit1->SetEnabled(true);
    UserInput::ClickMenu(form->Exit1);
    EXPECT_EQ(form->Calls["Exit1Click:Exit1"], 1);
}

TEST_F(FormTest, FocusRaisesExitThenEnter) {
    std::vector<AnsiString> log;
    form->Edit1->OnEnter = [&](TObject*) { log.push_back("enter edit"); };
    form->Edit1->OnExit = [&](TObject*) { log.push_back("exit edit"); };
    form->OKBtn->OnEnter = [&](TObject*) { log.push_back("enter ok"); };
    UserInput::Focus(form->Edit1);
    UserInput::Focus(form->Edit1);
    UserInput::Focus(form->OKBtn);
    EXPECT_EQ(log, (std::vector<AnsiString>{"enter edit", "exit edit", "enter ok"}));
    EXPECT_EQ(FocusedControl(), form->OKBtn);
    delete form->OKBtn;
    EXPECT_EQ(FocusedControl(), nullptr);
}

TEST_F(FormTest, WindowSizeMessageRaisesOnResize) {
    int resized = 0;
    form->OnResize = [&](TObject*) { ++resized; };
    desktop().MoveWindow(form, 0, 0, 500, 400);  // no window handle yet: no message
    EXPECT_EQ(resized, 0);
    HWND wnd = form->Handle();
    desktop().MoveWindow(form, 0, 0, 600, 400);
    desktop().MoveWindow(form, 5, 5, 600, 400);  // moved, not resized
    EXPECT_EQ(resized, 1);
    SendMessage(wnd, WM_SIZE, SIZE_MAXIMIZED, 0);
    EXPECT_EQ(resized, 2);
    EXPECT_TRUE(desktop().IsZoomed(form));
    RECT r = desktop().WindowRect(form);
    EXPECT_EQ(r.right - r.left, 600);
}

using HelpTest = DataFolderTest;

TEST_F(HelpTest, HelpFileIsLookedForInTheDataFolder) {
    Application->SetHelpFile(".\\Help\\Missing.HLP");
    EXPECT_FALSE(Application->HelpCommand(HELP_CONTENTS, 0));
    EXPECT_EQ(desktop().Messages, std::vector<AnsiString>{"Cannot find the help file ./Help/Missing.HLP"});
    EXPECT_TRUE(desktop().HelpShown.empty());

    std::filesystem::create_directory("Help");
    WriteFile("Help/Missing.HLP", "<html></html>");
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTENTS, 0));
    ASSERT_EQ(desktop().HelpShown.size(), 1u);
    EXPECT_EQ(desktop().HelpShown[0], (std::filesystem::current_path() / "Help" / "Missing.HLP").string());
}

TEST_F(HelpTest, WithoutOneInTheDataFolderTheProgramsOwnHelpFileIsShown) {
    // The build tree holds the help file where an installation does: in the
    // program's data folder beside the folder of the program.
    Application->SetHelpFile(".\\Trailbook\\TRAILBOOK.HLP");
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTENTS, 0));
    ASSERT_EQ(desktop().HelpShown.size(), 1u);
    const std::filesystem::path shown = desktop().HelpShown[0];
    EXPECT_EQ(shown.filename(), "TRAILBOOK.HLP");
    EXPECT_EQ(shown.parent_path().parent_path().filename(), "trailbook");
    const std::filesystem::path programParent = std::filesystem::path(ProgramFolder()).parent_path();
    EXPECT_EQ(shown.string().rfind(programParent.string() + "/", 0), 0u) << shown;
}

class RefusingHelpDesktop : public ScriptedDesktop {
public:
    bool ShowHelpFile(const AnsiString&) override { return false; }
};

TEST_F(HelpTest, HelpFileThatCannotBeShownIsReported) {
    RefusingHelpDesktop refusing;
    SetDesktop(&refusing);
    WriteFile("help.htm", "<html></html>");
    Application->SetHelpFile("help.htm");
    EXPECT_FALSE(Application->HelpCommand(HELP_CONTENTS, 0));
    SetDesktop(&desktop());
    ASSERT_EQ(refusing.Messages.size(), 1u);
    EXPECT_EQ(refusing.Messages[0], "Cannot show the help file " + (std::filesystem::current_path() / "help.htm").string());
}

TEST_F(HelpTest, InputBoxReturnsTheDefaultOnCancel) {
    desktop().QueueInput(std::nullopt);
    desktop().QueueInput(AnsiString("Eagle"));
    EXPECT_EQ(InputBox("Rank", "Which rank?", "Scout"), "Scout");
    EXPECT_EQ(InputBox("Rank", "Which rank?", "Scout"), "Eagle");
    AnsiString value = "kept";
    EXPECT_FALSE(InputQuery("Rank", "Which rank?", value));  // nothing queued: a script error
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(desktop().Unexpected, std::vector<AnsiString>{"input: Which rank?"});
    desktop().Unexpected.clear();
}

}  // namespace
