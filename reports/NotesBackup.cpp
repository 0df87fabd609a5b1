// The troop's general notes in the desktop's text editor (Tools > General
// Notes, Tools > Notepad) and File > Backup, which copies every data file of
// the data folder into its backup folder TBKP.
#include "records/Main.h"

namespace {

const char* const GeneralNotesFile = "GeneralNotes.txt";

// Whether an entry of the data folder is one of the files a backup copies:
// scout records, notes, catalogs, the counselor list and the general notes,
// whatever the letter case of the name.
bool InBackupSet(const AnsiString& name) {
    const AnsiString upper = UpperCase(name);
    for (const char* extension : {".MB", ".RANK", ".OTHER", ".SCOUT", ".NTS"}) {
        const size_t length = std::char_traits<char>::length(extension);
        if (upper.size() >= length && upper.compare(upper.size() - length, length, extension) == 0) return true;
    }
    return upper == "COUNSELORS.TXT" || upper == "GENERALNOTES.TXT";
}

// Sets a flag for the lifetime of a scope.
class FlagWhileRunning {
public:
    explicit FlagWhileRunning(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagWhileRunning() { flag_ = false; }
    FlagWhileRunning(const FlagWhileRunning&) = delete;
    FlagWhileRunning& operator=(const FlagWhileRunning&) = delete;

private:
    bool& flag_;
};

}  // namespace

bool TForm1::CreateGeneralNotes() {
    if (FileExists(GeneralNotesFile)) return true;  // never changed once it is there
    try {
        WriteWholeFile(GeneralNotesFile, "General Notes");
    } catch (const EInOutError& e) {
        ShowMessage("Could not create " + AnsiString(GeneralNotesFile) + ": " + e.Message());
        return false;
    }
    return true;
}

void TForm1::StartNotepad(const AnsiString& parameters) {
    if (!CurrentDesktop().ShellExecute("Notepad.exe", parameters)) ShowMessage("Could not run Notepad!");
}

void TForm1::GeneralNotes1Click(TObject*) {
    if (CreateGeneralNotes()) StartNotepad(GeneralNotesFile);
}

void TForm1::Notepad1Click(TObject*) {
    CreateGeneralNotes();
    StartNotepad("");
}

void TForm1::Backup1Click(TObject*) {
    // The message loop runs between the copies: a second Backup chosen
    // meanwhile would copy the same files over the first one's.
    if (BackupRunning) return;
    // A data folder deleted while the program runs has no path any more; its
    // backup folder would be made at the root of the file system.
    const AnsiString dataFolder = GetCurrentDir();
    if (dataFolder.empty()) {
        ShowMessage("Cannot back up: the data folder cannot be found!");
        return;
    }
    CopyDataFilesToBackup(dataFolder);
}

void TForm1::CopyDataFilesToBackup(const AnsiString& dataFolder) {
    FlagWhileRunning running(BackupRunning);
    // The data folder is listed before the backup folder is made: one that
    // can be written but not listed is left without an empty TBKP.
    std::vector<AnsiString> names;
    if (!ListEntries(dataFolder, names)) {
        ShowMessage("Cannot back up: the data folder " + dataFolder + " cannot be read!");
        return;
    }
    // The data folder's path is the platform's, and may hold a "\" in a
    // folder's name: the paths below are joined with the platform's "/".
    const AnsiString backupFolder = dataFolder + "/TBKP";
    if (!DirectoryExistsAsIs(backupFolder) && !CreateDirAsIs(backupFolder)) {
        ShowMessage("Cannot create backup directory " + backupFolder);
        return;
    }
    RemoveStaleTemporaries(backupFolder);  // left by a backup that was killed
    int failed = 0;
    for (const AnsiString& name : names) {
        if (!InBackupSet(name)) continue;
        const AnsiString source = dataFolder + "/" + name;
        const AnsiString target = backupFolder + "/" + name;
        if (!CopyFileStream(source, target)) {
            ShowMessage(source + " didn't copy to " + target + "!");
            ++failed;
        }
        Application->ProcessMessages();
    }
    Application->ProcessMessages();
    if (failed == 0)
        ShowMessage("Backed Up!");
    else
        ShowMessage(IntToStr(failed) + (failed == 1 ? " file" : " files") + " did not copy to " + backupFolder + "!");
}

bool TForm1::CopyFileStream(const AnsiString& source, const AnsiString& target) {
    // The copy goes to a temporary file renamed over the old copy only when
    // complete, so a failed copy leaves the previous backup of the file as it was.
    switch (CopyFileReplacing(source, target)) {
        case CopyOutcome::Copied:
            return true;
        case CopyOutcome::CopyFailed:
            ShowMessage("Unable to copy old file to " + source + "!");
            return false;
        default:
            ShowMessage("Unable to create " + source + "!");
            return false;
    }
}
