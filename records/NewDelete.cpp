// File > New Scout and File > Delete Current.
#include <cerrno>
#include <cstring>

#include "records/Main.h"

#include "records/FieldRules.h"

namespace {

// The sections of a new scout file, in the order written.
const char* const NewFileSections[] = {"Scout", "Tenderfoot", "Secondclass", "Firstclass", "Star", "Life", "Eagle",
                                       "Bronzepalm", "Silverpalm", "Goldpalm", "Pos", "Camps", "Serv"};

bool IsYes(const AnsiString& answer) { return answer == "Y" || answer == "y"; }

// Writes a new file; a failure is reported naming the file.
bool CreateFileReported(const AnsiString& fileName, const std::string& bytes) {
    try {
        WriteWholeFile(fileName, bytes);
        return true;
    } catch (const EInOutError& e) {
        ShowMessage("Could not create " + fileName + ": " + e.Message());
        return false;
    }
}

}  // namespace

void TForm1::NewScout1Click(TObject*) {
    if (!SaveAndUnload()) return;  // the save failed and was reported; the scout stays loaded
    ClearScoutForm();

    AnsiString name = InputBox("New Scout", "Enter New Scout's Name:", "");
    if (!name.empty()) {
        name = Trim(name);
        AnsiString refusal = NameRefusal(name);
        if (!refusal.empty()) {
            ShowMessage(refusal);
            return;
        }
        const AnsiString scoutFile = name + ".scout";
        if (FileExists(scoutFile)) {
            ShowMessage(scoutFile + " already exists!");
            return;
        }
        std::string scout = DateToStr(Date()) + "\n";
        for (const char* section : NewFileSections) scout += AnsiString("<") + section + ">\n</" + section + ">\n";
        if (!CreateFileReported(scoutFile, scout)) return;

        const AnsiString notesFile = name + ".nts";
        bool notesReady = true;
        if (FileExists(notesFile))
            ShowMessage("Notes for " + notesFile + " already exists!");
        else
            notesReady = CreateFileReported(notesFile, DateToStr(Date()) + "\n");
        if (notesReady) ShowMessage(name + " created!");
    }
    RefreshScoutList(0);
}

void TForm1::DeleteCurrent1Click(TObject*) {
    if (CurrentScout.empty()) return;
    AnsiString answer = "Y";
    if (!InputQuery("Delete Current Scout", "Delete " + CurrentScout + "? (Y/N)", answer) || !IsYes(answer)) return;
    // A file that cannot be deleted is named, and the scout stays loaded, so
    // that nothing of it is lost and the next save writes it whole again.
    for (const AnsiString& file : {CurrentScout + ".scout", CurrentScout + ".nts"})
        if (FileExists(file) && !DeleteFile(file)) {
            ShowMessage("Could not delete " + file + ": " + std::strerror(errno));
            return;
        }
    const AnsiString pictureFile = CurrentScout + ".jpg";
    if (FileExists(pictureFile)) {
        AnsiString pictureAnswer = "Y";
        if (InputQuery("Picture", "Delete picture? (Y/N)", pictureAnswer) && IsYes(pictureAnswer) &&
            !DeleteFile(pictureFile))
            ShowMessage("Could not delete " + pictureFile + ": " + std::strerror(errno));
    }
    // Unload without saving before the rebuild, which would save a loaded scout.
    ClearScoutForm();
    RefreshScoutList(0);
}
