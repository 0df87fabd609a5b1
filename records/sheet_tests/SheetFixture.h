// The main window with its two dialogs on a fresh data folder, and helpers
// that write catalogs and stand a scout in the window.
#ifndef TRAILBOOK_RECORDS_SHEET_TESTS_SHEETFIXTURE_H
#define TRAILBOOK_RECORDS_SHEET_TESTS_SHEETFIXTURE_H

#include <algorithm>
#include <vector>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/testing/DataFolderTest.h"
#include "records/Main.h"

class SheetFixture : public DataFolderTest {
protected:
    void SetUp() override {
        DataFolderTest::SetUp();
        Application->CreateForm(Form1);
        Application->CreateForm(AddDlg);
        Application->CreateForm(DateDlg);
        f = Form1;
    }

    static constexpr char Sep = '\x1e';

    // A catalog whose requirements are numbered 1..count (printed "1" ...).
    static void WriteCatalog(const AnsiString& file, int count) {
        std::string text = "01/01/2020\n";
        for (int i = 1; i <= count; ++i)
            text += std::to_string(i) + Sep + "short " + std::to_string(i) + Sep + "full " + std::to_string(i) + "\n";
        WriteFile(file, text);
    }

    // The window as a load leaves it: the scout's file lines in masterlist.
    void StandScout(const AnsiString& name, const std::vector<AnsiString>& lines = {}) {
        f->CurrentScout = name;
        f->masterlist->Items()->Clear();
        f->masterlist->Items()->Add("01/01/2025");
        for (const auto& line : lines) f->masterlist->Items()->Add(line);
    }

    std::vector<AnsiString> Master() const { return f->masterlist->Items()->Lines(); }
    int MasterIndex(const AnsiString& line) const {
        auto lines = Master();
        auto it = std::find(lines.begin(), lines.end(), line);
        return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
    }
    // The row showing requirement number text n, as the number label reads.
    std::vector<AnsiString> RowNumbers() const {
        std::vector<AnsiString> out;
        for (int r = 0; r < SheetRows; ++r) out.push_back(f->RowNumberLabel[r]->Caption());
        return out;
    }

    TForm1* f = nullptr;
};

#endif
