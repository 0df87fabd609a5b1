// What the window shows of a generated troop, compared with a snapshot taken
// from an earlier build: the scout list under every filter, and a sample of
// loaded scouts with every control the load fills and the file a save writes.
// Changes made for speed must leave all of it as it was. To take the snapshot
// again after an intended change of behaviour, run the test with
// TRAILBOOK_WRITE_SNAPSHOT=1 and review the difference.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bench/GeneratedTroop.h"
#include "records/tests/WindowFixture.h"

namespace {

const std::filesystem::path SnapshotFile =
    std::filesystem::path(__FILE__).parent_path() / "data" / "generated_troop.snapshot";

// A short fingerprint of a file's bytes (FNV-1a), so the snapshot stays readable.
std::string Fingerprint(const std::string& bytes) {
    uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ULL;
    std::ostringstream out;
    out << std::hex << hash << " (" << std::dec << bytes.size() << " bytes)";
    return out.str();
}

}  // namespace

class GeneratedTroopTest : public WindowFixture {
protected:
    void Line(const AnsiString& what, const AnsiString& value) { snapshot_ << what << ": " << value << "\n"; }
    void List(const AnsiString& what, TStrings* items) {
        snapshot_ << what << " (" << items->Count() << "):";
        for (const AnsiString& item : items->Lines()) snapshot_ << " [" << item << "]";
        snapshot_ << "\n";
    }

    void RecordLoadedScout(const AnsiString& name) {
        Load(name);
        snapshot_ << "== " << name << "\n";
        Line("current", f->CurrentScout);
        Line("caption", f->Caption());
        for (TEdit* edit : {f->editGuardian, f->editPatrol, f->editTroop, f->editNickname, f->editAddress, f->editCity,
                            f->editState, f->editZip, f->editPhone, f->dateBirthdate, f->dateMeddate, f->editEmail})
            Line(edit->Name(), edit->Text());
        for (TRadioButton* button : {f->rbMF1, f->rbMF2, f->rbMF3}) Line(button->Name(), button->Checked() ? "1" : "0");
        const std::pair<TShape*, TLabel*> ranks[] = {
            {f->shapeT, f->lblAdvT}, {f->shape2, f->lblAdv2}, {f->shapeF, f->lblAdvF},
            {f->shapeS, f->lblAdvS}, {f->shapeL, f->lblAdvL}, {f->shapeE, f->lblAdvE},
            {f->shapeBP, f->lblAdvBP}, {f->shapeGP, f->lblAdvGP}, {f->shapeSP, f->lblAdvSP}};
        for (const auto& [mark, date] : ranks)
            Line(date->Name(), date->Caption() + " " + std::to_string(mark->Brush()->Color()));
        List("positions", f->lbPositions->Items());
        for (TComboBox* awards : {f->cboMBi, f->cboMBe, f->cboOtheri, f->cboOthere}) List(awards->Name(), awards->Items());
        for (TLabel* count : {f->lblInProgress, f->lblEarned, f->lblOInProgress, f->lblOEarned})
            Line(count->Name(), count->Caption());
        List("notes", f->memoNotes->Lines());
        Line("picture shown", f->imageScout->Visible() ? "1" : "0");
        Line("masterlist", std::to_string(f->masterlist->Items()->Count()) + " lines, " +
                               Fingerprint(f->masterlist->Items()->Text()));
        List("slavelist", f->slavelist->Items());
        f->Save1Click(nullptr);
        Line("saved", Fingerprint(ReadFile(name + ".scout")));
    }

    std::ostringstream snapshot_;
};

TEST_F(GeneratedTroopTest, TheScoutListAndLoadedScoutsShowWhatTheyShowedBefore) {
    std::vector<AnsiString> names = generated::WriteTroop(120);
    names.push_back(generated::WriteLargeScout(120));
    for (int mode = 0; mode <= 6; ++mode) {
        f->RefreshScoutList(mode);
        List("filter " + std::to_string(mode), f->cboSCTs->Items());
    }
    for (size_t i = 0; i < names.size(); i += 5) RecordLoadedScout(names[i]);
    RecordLoadedScout(names.back());

    if (std::getenv("TRAILBOOK_WRITE_SNAPSHOT")) {
        std::ofstream(SnapshotFile, std::ios::binary) << snapshot_.str();
        GTEST_SKIP() << "snapshot written to " << SnapshotFile;
    }
    std::ifstream in(SnapshotFile, std::ios::binary);
    ASSERT_TRUE(in) << "no snapshot at " << SnapshotFile;
    std::stringstream expected;
    expected << in.rdbuf();
    // Line by line, so that a difference names its place.
    std::istringstream was(expected.str()), now(snapshot_.str());
    std::string before, after;
    int line = 0;
    while (true) {
        bool more = static_cast<bool>(std::getline(was, before));
        bool moreNow = static_cast<bool>(std::getline(now, after));
        ++line;
        if (!more && !moreNow) break;
        ASSERT_EQ(after, before) << "snapshot line " << line;
    }
}
