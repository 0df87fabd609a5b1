// Any bytes as a scout file: the scout list reads it, the load shows it, its
// sections are extracted and stored back, and the scout is saved. Nothing may
// crash or hang; load, save, load, save gives the same file twice, byte for
// byte; and when the reading dropped anything, the file as it was is kept
// aside whole.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
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
        SetFixedNow(EncodeDate(2026, 3, 15) + 0.5);
        Application->CreateForm(Form1);
        return Form1;
    }();
    return window;
}

// Loads the scout Fuzz and saves it (which unloads it); the file afterwards.
std::string LoadAndSave(TForm1* f) {
    f->cboSCTs->SetText("Fuzz");
    f->cboSCTsClick(f->cboSCTs);
    f->SaveCurrentScout();
    std::string saved;
    ReadWholeFile("Fuzz.scout", saved);
    return saved;
}

void Fail(const char* what, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "%s\n--- first (%zu bytes)\n%s\n--- second (%zu bytes)\n%s\n", what, a.size(), a.c_str(),
                 b.size(), b.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TForm1* f = Window();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const AnsiString& file : ListFiles("Fuzz.*")) DeleteFile(file);
    WriteWholeFile("Fuzz.scout", bytes);

    f->RefreshScoutList(0);
    f->RefreshScoutList(6);

    // The fixed point: what the first save wrote, the second writes again.
    const std::string first = LoadAndSave(f);
    const std::string second = LoadAndSave(f);
    if (first != second) Fail("load, save, load, save gave two different files", first, second);
    std::string kept;
    if (ReadWholeFile("Fuzz.scout.orig", kept) && kept != bytes) Fail("Fuzz.scout.orig is not the file as it was", bytes, kept);
    if (ListFiles("Fuzz.scout.orig*").size() > 1) Fail("the file was kept aside twice", bytes, second);

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
