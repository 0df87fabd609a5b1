// Any bytes as a scout file: the scout list reads it, the load shows it, its
// sections are extracted and stored back, and the scout is saved. Nothing may
// crash or hang.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialogs/DatePick.h"
#include "dialogs/addnew.h"
#include "platform/scripted/ScriptedDesktop.h"
#include "records/Main.h"

namespace {

TForm1* Window() {
    static TForm1* window = [] {
        static char folder[] = "/tmp/trailbook-fuzz-XXXXXX";
        if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        });
        static ScriptedDesktop desktop;
        SetDesktop(&desktop);
        InitApplication();
        SetShortDateFormat("MM/dd/yyyy");
        Application->CreateForm(Form1);
        return Form1;
    }();
    return window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TForm1* f = Window();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    WriteWholeFile("Fuzz.scout", bytes);
    DeleteFile("Fuzz.nts");

    f->RefreshScoutList(0);
    f->RefreshScoutList(6);
    f->cboSCTs->SetText("Fuzz");
    f->cboSCTsClick(f->cboSCTs);
    for (const char* name : {"Scout", "Pos", "Camps", "Tenderfoot", "Mb Camping", "Other Camping"}) f->ExtractSection(name);
    // Store back a section named by the input's own first tag line, as the
    // award store does with a picked name.
    f->ExtractSection("Pos");
    f->StoreSection("Pos*");
    for (const AnsiString& line : f->masterlist->Items()->Lines())
        if (line.size() > 2 && line[0] == '<' && line.back() == '>') {
            AnsiString name = line.substr(1, line.size() - 2);
            f->ExtractSection(name);
            f->StoreSection(name + "*");
            break;
        }
    UserInput::CheckRadio(f->rbCamps);
    UserInput::CheckRadio(f->rbService);
    f->Save1Click(nullptr);
    f->ClearScoutForm();
    f->LoadScoutFile("Fuzz");
    return 0;
}
