// The desktop's decisions that need no display.
#include <gtest/gtest.h>

#include <set>

#include "platform/wx/WxSupport.h"

TEST(LanguageAbbreviation, NamesTheLanguageOfTheUsersLocale) {
    EXPECT_EQ(LanguageAbbreviation("en_US.UTF-8"), "ENU");
    EXPECT_EQ(LanguageAbbreviation("en_GB.UTF-8"), "ENG");
    EXPECT_EQ(LanguageAbbreviation("ja_JP.UTF-8"), "JPN");
    EXPECT_EQ(LanguageAbbreviation("ja"), "JPN");
    EXPECT_EQ(LanguageAbbreviation("de_DE@euro"), "DEU");
    EXPECT_EQ(LanguageAbbreviation("de_AT.UTF-8"), "DEA");
    EXPECT_EQ(LanguageAbbreviation("fr_CA"), "FRC");
    EXPECT_EQ(LanguageAbbreviation("pt_BR.UTF-8"), "PTB");
    EXPECT_EQ(LanguageAbbreviation("zh_TW.UTF-8"), "CHT");
    EXPECT_EQ(LanguageAbbreviation("zh_CN.UTF-8"), "CHS");
}

TEST(LanguageAbbreviation, FallsBackToUsEnglish) {
    EXPECT_EQ(LanguageAbbreviation(""), "ENU");
    EXPECT_EQ(LanguageAbbreviation("C"), "ENU");
    EXPECT_EQ(LanguageAbbreviation("POSIX"), "ENU");
    EXPECT_EQ(LanguageAbbreviation("C.UTF-8"), "ENU");
    EXPECT_EQ(LanguageAbbreviation("xx_YY"), "ENU");
}

TEST(SplitArguments, BlanksSeparateAndQuotesGroup) {
    using V = std::vector<AnsiString>;
    EXPECT_EQ(SplitArguments(""), V{});
    EXPECT_EQ(SplitArguments("  a   b "), (V{"a", "b"}));
    EXPECT_EQ(SplitArguments("\"General Notes.txt\" -x"), (V{"General Notes.txt", "-x"}));
    EXPECT_EQ(SplitArguments("\"\""), V{""});
}

namespace {

EditorChoices Installed(std::set<AnsiString> programs) {
    EditorChoices c;
    c.onPath = [programs](const AnsiString& p) { return programs.count(p) > 0; };
    return c;
}

}  // namespace

TEST(CommandLineFor, NotepadWithAFileOpensItInTheDesktopsEditor) {
    EditorChoices c = Installed({"xdg-open"});
    EXPECT_EQ(CommandLineFor("Notepad.exe", "GeneralNotes.txt", c),
              (std::vector<AnsiString>{"xdg-open", "GeneralNotes.txt"}));
    EXPECT_EQ(CommandLineFor("NOTEPAD.EXE", "\"Troop notes.txt\"", c),
              (std::vector<AnsiString>{"xdg-open", "Troop notes.txt"}));
    EXPECT_EQ(CommandLineFor("notepad", "Troop notes.txt", c),
              (std::vector<AnsiString>{"xdg-open", "Troop notes.txt"}));
    EXPECT_TRUE(CommandLineFor("Notepad.exe", "a.txt", Installed({})).empty());
}

TEST(CommandLineFor, NotepadAloneStartsTheTextEditor) {
    EditorChoices c = Installed({"gtk-launch", "vi", "mousepad"});
    c.desktopEntry = "org.gnome.gedit.desktop";
    c.visual = "vi -R";
    EXPECT_EQ(CommandLineFor("Notepad.exe", "", c),
              (std::vector<AnsiString>{"gtk-launch", "org.gnome.gedit.desktop"}));
    c.desktopEntry.clear();
    EXPECT_EQ(CommandLineFor("Notepad.exe", " ", c), (std::vector<AnsiString>{"vi", "-R"}));
    c.visual = "nano";  // not installed: the next choice
    EXPECT_EQ(CommandLineFor("Notepad.exe", "", c), (std::vector<AnsiString>{"mousepad"}));
    EXPECT_TRUE(CommandLineFor("Notepad.exe", "", Installed({})).empty());
}

TEST(CommandLineFor, NotepadWithAFileFallsBackToTheTextEditorWithoutXdgOpen) {
    using V = std::vector<AnsiString>;
    EditorChoices c = Installed({"gtk-launch", "vi", "mousepad"});  // no xdg-open
    c.desktopEntry = "org.gnome.gedit.desktop";
    c.visual = "vi -R";
    EXPECT_EQ(CommandLineFor("Notepad.exe", "\"Troop notes.txt\"", c),
              (V{"gtk-launch", "org.gnome.gedit.desktop", "Troop notes.txt"}));
    c.desktopEntry.clear();
    EXPECT_EQ(CommandLineFor("Notepad.exe", "GeneralNotes.txt", c), (V{"vi", "-R", "GeneralNotes.txt"}));
    c.visual.clear();
    EXPECT_EQ(CommandLineFor("Notepad.exe", "GeneralNotes.txt", c), (V{"mousepad", "GeneralNotes.txt"}));

    // xdg-open is there but could not open the file: the same choices.
    c = Installed({"xdg-open", "gtk-launch"});
    c.desktopEntry = "org.gnome.gedit.desktop";
    c.openerFailed = true;
    EXPECT_EQ(CommandLineFor("Notepad.exe", "GeneralNotes.txt", c),
              (V{"gtk-launch", "org.gnome.gedit.desktop", "GeneralNotes.txt"}));
    c.desktopEntry.clear();
    EXPECT_TRUE(CommandLineFor("Notepad.exe", "GeneralNotes.txt", c).empty());
}

TEST(CommandLineFor, OtherProgramsRunAsTheyAreNamed) {
    EditorChoices c = Installed({"xcalc", "/opt/tool"});
    EXPECT_EQ(CommandLineFor("xcalc", "", c), std::vector<AnsiString>{"xcalc"});
    EXPECT_EQ(CommandLineFor("/opt/tool", "-a \"b c\"", c), (std::vector<AnsiString>{"/opt/tool", "-a", "b c"}));
    EXPECT_TRUE(CommandLineFor("missing", "x", c).empty());
}

TEST(PageCount, EveryLineLandsOnAPage) {
    EXPECT_EQ(PageCount(0, 50), 1);
    EXPECT_EQ(PageCount(50, 50), 1);
    EXPECT_EQ(PageCount(51, 50), 2);
    EXPECT_EQ(PageCount(150, 54), 3);
    EXPECT_EQ(PageCount(3, 0), 3);
}
