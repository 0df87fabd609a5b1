// A fresh data folder, application and scripted desktop for every test.
#include "platform/testing/DataFolderTest.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

void DataFolderTest::SetUp() {
    previous_ = std::filesystem::current_path().string();
    char pattern[] = "/tmp/trailbook-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr) << "cannot make a temporary folder";
    folder_ = pattern;
    ASSERT_EQ(chdir(folder_.c_str()), 0);
    desktop_ = new ScriptedDesktop;
    SetDesktop(desktop_);
    InitApplication();
    Application->SetTitle("Trailbook");
    SetShortDateFormat("MM/dd/yyyy");
    SetFixedNow(EncodeDate(2026, 3, 15) + 10.0 / 24.0);
}

void DataFolderTest::TearDown() {
    if (desktop_) {
        std::ostringstream unexpected;
        for (const auto& question : desktop_->Unexpected) unexpected << question << "; ";
        EXPECT_TRUE(desktop_->Unexpected.empty()) << "questions with no answer queued: " << unexpected.str();
    }
    DoneApplication();
    SetDesktop(nullptr);
    delete desktop_;
    desktop_ = nullptr;
    SetFixedNow(std::nullopt);
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << previous_;
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
}

AnsiString DataFolderTest::Today() { return DateToStr(EncodeDate(2026, 3, 15)); }

void DataFolderTest::WriteFile(const AnsiString& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) ADD_FAILURE() << "cannot write " << name;
}

std::string DataFolderTest::ReadFile(const AnsiString& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
