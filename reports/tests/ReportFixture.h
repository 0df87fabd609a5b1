// The main window with helpers to run a list report over scout files and
// read what the report panel shows.
#ifndef TRAILBOOK_REPORTS_TESTS_REPORTFIXTURE_H
#define TRAILBOOK_REPORTS_TESTS_REPORTFIXTURE_H

#include "records/tests/WindowFixture.h"

class ReportFixture : public WindowFixture {
protected:
    // Lists the scouts of the data folder (every non-leader) and runs the
    // report behind the menu item, as the user does.
    std::vector<AnsiString> Run(TMenuItem* report, int filterMode = 0) {
        f->RefreshScoutList(filterMode);
        return RunOnList(report);
    }
    // Runs the report over the scout list as it stands.
    std::vector<AnsiString> RunOnList(TMenuItem* report) {
        UserInput::ClickMenu(report);
        return Items(f->lbRpt->Items());
    }
    // The rows below the five top lines.
    std::vector<AnsiString> Rows() const {
        const auto& lines = f->lbRpt->Items()->Lines();
        return lines.size() < 5 ? std::vector<AnsiString>{} : std::vector<AnsiString>(lines.begin() + 5, lines.end());
    }
    static std::vector<AnsiString> TopLines(const AnsiString& title, const AnsiString& header,
                                            const AnsiString& dashes) {
        return {title, "Report run " + Today(), " ", header, dashes};
    }
    // The lines of several sections, one after the other.
    static std::vector<AnsiString> Join(std::initializer_list<std::vector<AnsiString>> parts) {
        std::vector<AnsiString> all;
        for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    }
    // A text padded with blanks on the right to width.
    static AnsiString Left(const AnsiString& text, size_t width) {
        return (text + AnsiString(width, ' ')).substr(0, width);
    }
    // A text padded with blanks on the left to width.
    static AnsiString Right(const AnsiString& text, size_t width) {
        return text.size() >= width ? text.substr(text.size() - width) : AnsiString(width - text.size(), ' ') + text;
    }
};

#endif
