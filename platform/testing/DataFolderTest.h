// The fixture of every headless test: a fresh temporary data folder as the
// current directory, the application object on a ScriptedDesktop, the short
// date format MM/dd/yyyy and a fixed today (Sunday 15 March 2026, 10:00).
#ifndef TRAILBOOK_PLATFORM_DATAFOLDERTEST_H
#define TRAILBOOK_PLATFORM_DATAFOLDERTEST_H

#include <gtest/gtest.h>

#include <string>

#include "platform/scripted/ScriptedDesktop.h"
#include "platform/vcl/Vcl.h"

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedDesktop& desktop() { return *desktop_; }
    const std::string& folder() const { return folder_; }
    // Today of the test, as DateToStr gives it ("03/15/2026").
    static AnsiString Today();

    static void WriteFile(const AnsiString& name, const std::string& bytes);
    // The file's bytes; "" when it does not exist.
    static std::string ReadFile(const AnsiString& name);

private:
    std::string folder_;
    std::string previous_;
    ScriptedDesktop* desktop_ = nullptr;
};

#endif
