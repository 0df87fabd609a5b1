// The main window and its two dialogs on a fresh data folder, with helpers
// that write scout files and read what the window shows.
#ifndef TRAILBOOK_RECORDS_TESTS_WINDOWFIXTURE_H
#define TRAILBOOK_RECORDS_TESTS_WINDOWFIXTURE_H

#include <algorithm>
#include <filesystem>
#include <vector>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/testing/DataFolderTest.h"
#include "records/Main.h"

class WindowFixture : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        CreateForms();
    }

    void CreateForms() {
        Application->CreateForm(Form1);
        Application->CreateForm(AddDlg);
        Application->CreateForm(DateDlg);
        f = Form1;
    }

    // The sample data folder of the source tree.
    static std::filesystem::path SampleFolderPath() {
        return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "demo";
    }

    // A scout file: the creation date line, then the given lines, LF ended.
    static void WriteScout(const AnsiString& name, const std::vector<AnsiString>& lines) {
        std::string text = "01/01/2025\n";
        for (const auto& line : lines) text += line + "\n";
        WriteFile(name + ".scout", text);
    }
    // A scout file holding only a <Scout> section with the given elements.
    static void WriteScoutWith(const AnsiString& name, const std::vector<AnsiString>& elements) {
        std::vector<AnsiString> lines{"<Scout>"};
        for (const auto& e : elements) lines.push_back("   " + e);
        lines.push_back("</Scout>");
        WriteScout(name, lines);
    }

    // Picks a name in the scout list, as the user does.
    void Load(const AnsiString& name) {
        f->cboSCTs->SetText(name);
        f->cboSCTsClick(f->cboSCTs);
    }

    std::vector<AnsiString> Items(TStrings* s) const { return s->Lines(); }
    std::vector<AnsiString> Master() const { return f->masterlist->Items()->Lines(); }
    std::vector<AnsiString> Slave() const { return f->slavelist->Items()->Lines(); }
    static std::vector<AnsiString> FileLines(const AnsiString& name) {
        std::vector<AnsiString> lines;
        std::string text = ReadFile(name);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
    static bool Contains(const std::vector<AnsiString>& lines, const AnsiString& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    static int IndexOf(const std::vector<AnsiString>& lines, const AnsiString& line) {
        auto it = std::find(lines.begin(), lines.end(), line);
        return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
    }

    TForm1* f = nullptr;
};

#endif
