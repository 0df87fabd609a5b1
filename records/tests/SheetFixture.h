// The main window with helpers that write catalogs and stand a scout in the
// window without reading a file.
#ifndef TRAILBOOK_RECORDS_TESTS_SHEETFIXTURE_H
#define TRAILBOOK_RECORDS_TESTS_SHEETFIXTURE_H

#include <string>
#include <vector>

#include "records/tests/WindowFixture.h"

class SheetFixture : public WindowFixture {
protected:

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

    int MasterIndex(const AnsiString& line) const { return IndexOf(Master(), line); }
    // The row showing requirement number text n, as the number label reads.
    std::vector<AnsiString> RowNumbers() const {
        std::vector<AnsiString> out;
        for (int r = 0; r < SheetRows; ++r) out.push_back(f->RowNumberLabel[r]->Caption());
        return out;
    }
};

#endif
