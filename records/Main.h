// TForm1: the main window of Trailbook. It holds the loaded scout (its file's
// lines in masterlist), the requirement sheet that is open, the catalog
// editor, and every menu command.
#ifndef TRAILBOOK_RECORDS_MAIN_H
#define TRAILBOOK_RECORDS_MAIN_H

#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "formscaler/FormScaler.h"
#include "platform/vcl/Vcl.h"

// Every control of the form description that the code uses, as
// X(class, name): each becomes a published field of that name.
#define TFORM1_FIELDS(X)                                                                                  \
    X(TMainMenu, MainMenu1) X(TTimer, Timer1)                                                             \
    X(TMenuItem, File1) X(TMenuItem, NewScout1) X(TMenuItem, DeleteCurrent1) X(TMenuItem, Save1)          \
    X(TMenuItem, Backup1) X(TMenuItem, exit1)                                                             \
    X(TMenuItem, Edit1) X(TMenuItem, AddMBReqs1) X(TMenuItem, UndoCurrentChanges1)                        \
    X(TMenuItem, Reports1) X(TMenuItem, MeritBadgesStarted1) X(TMenuItem, AllMeritBadgesEarned2)          \
    X(TMenuItem, WaitingtoAward1) X(TMenuItem, AllMeritBadgesEarned1) X(TMenuItem, PositionsReport1)      \
    X(TMenuItem, TroopList1) X(TMenuItem, PatrolLists1) X(TMenuItem, ScoutDetail1)                        \
    X(TMenuItem, ProgressDetail1)                                                                         \
    X(TMenuItem, Filter1) X(TMenuItem, All1) X(TMenuItem, Blazer111) X(TMenuItem, Scout1)                 \
    X(TMenuItem, Scout11131) X(TMenuItem, Varsity14151) X(TMenuItem, Venturer16171) X(TMenuItem, Leaders1) \
    X(TMenuItem, Tools1) X(TMenuItem, Attendance1) X(TMenuItem, Counselors1) X(TMenuItem, GeneralNotes1)  \
    X(TMenuItem, Notepad1)                                                                                \
    X(TMenuItem, Help1) X(TMenuItem, Help2) X(TMenuItem, About1)                                          \
    /* top level */                                                                                       \
    X(TLabel, lblRequirements2) X(TLabel, lblRequirements) X(TShape, ShapeReq) X(TPanel, panelAdv)        \
    X(TPanel, pnlScout) X(TPanel, pnlNotes) X(TButton, btnNotes) X(TPanel, pnlAdd)                        \
    X(TListBox, masterlist) X(TListBox, slavelist) X(TPanel, pnlRpts) X(TPanel, pnlAttendance)            \
    X(TPanel, Panel2) X(TButton, Button7)                                                                 \
    /* rank panel, awards, positions (panelAdv) */                                                        \
    X(TLabel, Label4) X(TLabel, Label5) X(TLabel, Label6) X(TLabel, Label7) X(TLabel, Label8)             \
    X(TLabel, Label9) X(TLabel, Label24) X(TLabel, Label27) X(TLabel, Label28)                            \
    X(TShape, shapeT) X(TShape, shape2) X(TShape, shapeF) X(TShape, shapeS) X(TShape, shapeL)             \
    X(TShape, shapeE) X(TShape, shapeBP) X(TShape, shapeGP) X(TShape, shapeSP)                            \
    X(TLabel, lblAdvT) X(TLabel, lblAdv2) X(TLabel, lblAdvF) X(TLabel, lblAdvS) X(TLabel, lblAdvL)        \
    X(TLabel, lblAdvE) X(TLabel, lblAdvBP) X(TLabel, lblAdvGP) X(TLabel, lblAdvSP)                        \
    X(TComboBox, cboMBi) X(TComboBox, cboMBe) X(TComboBox, cboOtheri) X(TComboBox, cboOthere)             \
    X(TLabel, lblInProgress) X(TLabel, lblEarned) X(TLabel, lblOInProgress) X(TLabel, lblOEarned)         \
    X(TButton, Button1) X(TButton, Button3)                                                               \
    X(TPanel, Panel7) X(TRadioButton, rbPositions) X(TRadioButton, rbCamps) X(TRadioButton, rbService)    \
    X(TLabel, Label22) X(TLabel, Label23) X(TLabel, Label25)                                              \
    X(TEdit, datePosStart) X(TEdit, datePosEnd) X(TEdit, editPos) X(TListBox, lbPositions)                \
    X(TButton, Button5) X(TButton, Button6) X(TButton, Button8)                                           \
    /* requirement sheet (pnlScout) */                                                                    \
    X(TEdit, deditStarted) X(TEdit, deditCompleted) X(TEdit, deditAwarded) X(TMemo, memoDescription)      \
    X(TButton, bbUp) X(TButton, bbDown)                                                                   \
    /* scout page (pnlNotes) */                                                                           \
    X(TPanel, Panel5) X(TComboBox, cboSCTs) X(TImage, imageScout) X(TMemo, memoNotes) X(TLabel, Label40)  \
    X(TEdit, editGuardian) X(TEdit, editPatrol) X(TEdit, editTroop) X(TEdit, editNickname)                \
    X(TEdit, editAddress) X(TEdit, editCity) X(TEdit, editState) X(TEdit, editZip) X(TEdit, editPhone)    \
    X(TEdit, dateBirthdate) X(TEdit, dateMeddate) X(TEdit, editEmail)                                     \
    X(TRadioButton, rbMF1) X(TRadioButton, rbMF2) X(TRadioButton, rbMF3)                                  \
    /* catalog editor (pnlAdd) */                                                                         \
    X(TPanel, pnlAddReq) X(TRadioButton, rbMB) X(TRadioButton, rbRank) X(TRadioButton, rbOther)           \
    X(TComboBox, cboMBs) X(TEdit, editNewMB) X(TButton, btnAddReq) X(TListBox, lbReqlist) X(TMemo, Memo2) \
    X(TEdit, editReq1) X(TEdit, editReq2) X(TEdit, editReq3) X(TEdit, editReq4) X(TButton, btnAddNewReq)  \
    X(TEdit, editShort) X(TButton, btnSaveReq) X(TButton, DeleteMbReq) X(TMemo, memoReq)                  \
    X(TButton, btnUpdateReq) X(TButton, btnCloseReq) X(TFileListBox, flb)                                 \
    /* report and attendance panels */                                                                    \
    X(TButton, Button2) X(TListBox, lbRpt) X(TButton, Button4) X(TRichEdit, redit) X(TPanel, pnlMBC)      \
    X(TStringGrid, MBCGrid)                                                                               \
    X(TStringGrid, gridAttend) X(TFormScaler, FormScaler1)                                                \
    /* counselor list (pnlMBC) and attendance (pnlAttendance) */                                          \
    X(TButton, btnCPrint) X(TButton, btnAddC) X(TButton, btnDelC) X(TButton, btnCloseNoSave)              \
    X(TButton, btnCloseCnslrs) X(TButton, Button9) X(TButton, btnCloseAttendance) X(TButton, Button10)

// Every published event handler, by name.
#define TFORM1_HANDLERS(X)                                                                                 \
    X(FormCreate) X(FormClose) X(exit1Click) X(About1Click) X(Button7Click) X(Help2Click)                   \
    X(Save1Click) X(UndoCurrentChanges1Click) X(NewScout1Click) X(DeleteCurrent1Click)                     \
    X(All1Click) X(Blazer111Click) X(Scout1Click) X(Scout11131Click) X(Varsity14151Click)                  \
    X(Venturer16171Click) X(Leaders1Click) X(cboSCTsClick)                                                 \
    X(Button1Click) X(Button3Click) X(cboMBiClick) X(cboMBeClick) X(cboOtheriClick) X(cboOthereClick)      \
    X(btnNotesClick) X(Button5Click) X(Button6Click) X(Button8Click) X(lbPositionsClick)                   \
    X(rbPositionsClick) X(rbCampsClick) X(rbServiceClick)                                                  \
    X(Label4Click) X(Label5Click) X(Label6Click) X(Label7Click) X(Label8Click) X(Label9Click)               \
    X(Label24Click) X(Label27Click) X(Label28Click) X(Label40Click) X(bbDownClick) X(bbUpClick)            \
    X(UpdateDate) X(memoDescriptionEnter) X(memoDescriptionExit)                                           \
    X(AddMBReqs1Click) X(btnCloseReqClick) X(rbMBClick) X(rbRankClick) X(rbOtherClick) X(btnAddReqClick)   \
    X(cboMBsClick) X(lbReqlistMouseUp) X(lbReqlistKeyUp) X(btnAddNewReqClick) X(btnSaveReqClick)           \
    X(DeleteMbReqClick) X(btnUpdateReqClick)                                                               \
    X(Button2Click) X(Button4Click) X(TroopList1Click) X(PatrolLists1Click) X(MeritBadgesStarted1Click)    \
    X(AllMeritBadgesEarned2Click) X(AllMeritBadgesEarned1Click) X(PositionsReport1Click)                   \
    X(WaitingtoAward1Click)                                                                                \
    X(FormResize) X(pnlRptsResize) X(FormScaler1ExitResize)                                                \
    X(GeneralNotes1Click) X(Notepad1Click) X(Backup1Click) X(ScoutDetail1Click) X(ProgressDetail1Click)    \
    X(Counselors1Click) X(btnAddCClick) X(btnDelCClick) X(btnCloseCnslrsClick) X(btnCloseNoSaveClick)      \
    X(btnCPrintClick) X(Attendance1Click) X(Button10Click) X(btnCloseAttendanceClick) X(Button9Click)

constexpr int MaxRequirements = 150;  // requirements of a sheet or catalog, indexes 1..150
constexpr int SheetRows = 11;         // requirement rows shown at a time
constexpr int AttendanceWeeksShown = 24;   // week columns of the attendance grid
constexpr int AttendanceWeeksStored = 364; // weeks kept in a scout's <Attend> section
constexpr int AttendanceWeeksRead = 399;   // weeks taken from a stored section when the grid opens
constexpr int AttendanceEntries = 401;     // entries of one attendance row (entry 0 unused)

class TForm1 : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

#define TFORM1_DECLARE_FIELD(cls, name) cls* name = nullptr;
    TFORM1_FIELDS(TFORM1_DECLARE_FIELD)
#undef TFORM1_DECLARE_FIELD

    // ---- event handlers: start-up and window
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void exit1Click(TObject* Sender);
    void About1Click(TObject* Sender);
    void Button7Click(TObject* Sender);
    void Help2Click(TObject* Sender);
    // ---- saving, undo, new and delete
    void Save1Click(TObject* Sender);
    void UndoCurrentChanges1Click(TObject* Sender);
    void NewScout1Click(TObject* Sender);
    void DeleteCurrent1Click(TObject* Sender);
    // ---- scout list and filters
    void All1Click(TObject* Sender);
    void Blazer111Click(TObject* Sender);
    void Scout1Click(TObject* Sender);
    void Scout11131Click(TObject* Sender);
    void Varsity14151Click(TObject* Sender);
    void Venturer16171Click(TObject* Sender);
    void Leaders1Click(TObject* Sender);
    void cboSCTsClick(TObject* Sender);
    // ---- awards
    void Button1Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void cboMBiClick(TObject* Sender);
    void cboMBeClick(TObject* Sender);
    void cboOtheriClick(TObject* Sender);
    void cboOthereClick(TObject* Sender);
    void btnNotesClick(TObject* Sender);
    // ---- positions, camps, service
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button8Click(TObject* Sender);
    void lbPositionsClick(TObject* Sender);
    void rbPositionsClick(TObject* Sender);
    void rbCampsClick(TObject* Sender);
    void rbServiceClick(TObject* Sender);
    // ---- requirement sheet
    void Label4Click(TObject* Sender);
    void Label5Click(TObject* Sender);
    void Label6Click(TObject* Sender);
    void Label7Click(TObject* Sender);
    void Label8Click(TObject* Sender);
    void Label9Click(TObject* Sender);
    void Label24Click(TObject* Sender);
    void Label27Click(TObject* Sender);
    void Label28Click(TObject* Sender);
    void Label40Click(TObject* Sender);
    void bbDownClick(TObject* Sender);
    void bbUpClick(TObject* Sender);
    void UpdateDate(TObject* Sender);
    void memoDescriptionEnter(TObject* Sender);
    void memoDescriptionExit(TObject* Sender);
    // ---- catalog editor
    void AddMBReqs1Click(TObject* Sender);
    void btnCloseReqClick(TObject* Sender);
    void rbMBClick(TObject* Sender);
    void rbRankClick(TObject* Sender);
    void rbOtherClick(TObject* Sender);
    void btnAddReqClick(TObject* Sender);
    void cboMBsClick(TObject* Sender);
    void lbReqlistMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lbReqlistKeyUp(TObject* Sender, unsigned short& Key, TShiftState Shift);
    void btnAddNewReqClick(TObject* Sender);
    void btnSaveReqClick(TObject* Sender);
    void DeleteMbReqClick(TObject* Sender);
    void btnUpdateReqClick(TObject* Sender);
    // ---- report panel and list reports
    void Button2Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    void TroopList1Click(TObject* Sender);
    void PatrolLists1Click(TObject* Sender);
    void MeritBadgesStarted1Click(TObject* Sender);
    void AllMeritBadgesEarned2Click(TObject* Sender);
    void AllMeritBadgesEarned1Click(TObject* Sender);
    void PositionsReport1Click(TObject* Sender);
    void WaitingtoAward1Click(TObject* Sender);
    // ---- window layout
    void FormResize(TObject* Sender);
    void pnlRptsResize(TObject* Sender);
    void FormScaler1ExitResize(TObject* Sender, double XScale, double YScale);

    // ---- the one-scout reports
    void ScoutDetail1Click(TObject* Sender);
    void ProgressDetail1Click(TObject* Sender);
    // ---- general notes and backup
    void GeneralNotes1Click(TObject* Sender);
    void Notepad1Click(TObject* Sender);
    void Backup1Click(TObject* Sender);
    void CopyDataFilesToBackup(const AnsiString& dataFolder);
    bool CopyFileStream(const AnsiString& source, const AnsiString& target);
    // ---- counselor list
    void Counselors1Click(TObject* Sender);
    void btnAddCClick(TObject* Sender);
    void btnDelCClick(TObject* Sender);
    void btnCloseCnslrsClick(TObject* Sender);
    void btnCloseNoSaveClick(TObject* Sender);
    void btnCPrintClick(TObject* Sender);
    // ---- meeting attendance
    void Attendance1Click(TObject* Sender);
    void Button10Click(TObject* Sender);
    void btnCloseAttendanceClick(TObject* Sender);
    void Button9Click(TObject* Sender);

    // ---- the scout file and its sections
    void ExtractSection(const AnsiString& name);
    void StoreSection(const AnsiString& spec);
    void LoadScoutFile(const AnsiString& name);
    AnsiString TagValue(std::string_view line, const AnsiString& tag);
    AnsiString PadText(const AnsiString& text, int width, bool left);
    // ---- saving and clearing
    void SaveCurrentScout();
    void ClearScoutForm();
    // ---- scout list
    void RefreshScoutList(int mode);
    int AgeGroupOf(const AnsiString& fileName);
    AnsiString ReadFileTag(const AnsiString& fileName, const AnsiString& tag);
    // ---- loading
    AnsiString RankStatus(const AnsiString& section);
    // How a completed merit badge counts for Eagle: required outright, or as
    // one of the lifesaving (Emergency Preparedness, Lifesaving) or outdoor
    // (Cycling, Hiking, Swimming) badges, of which only one of each counts.
    enum class EagleGroup { None, Required, Lifesaving, Outdoor };
    static EagleGroup EagleGroupOf(const AnsiString& badgeName);
    void FillAwardLists();
    // ---- requirement sheet
    void ShowAwardSheet(const AnsiString& title, const AnsiString& name, const AnsiString& kind);
    void ParseAwardSection();
    void ClearSheet();
    void RowChanged(TObject* Sender);
    void StoreRow(int row, bool withDate);
    AnsiString PickDate(const AnsiString& text);
    // ---- catalog editor
    void FillCatalogList();
    // ---- list-report frame and printing
    // Saves and unloads the loaded scout, empties the window and readies
    // lbRpt for rows; false when the save failed (reported): the report is
    // then not run and the scout stays loaded.
    bool BeginListReport();
    // Asks the sort question; the first character of the upper-cased answer.
    AnsiString AskSortOption(const AnsiString& prompt, const AnsiString& defaultAnswer);
    // Calls each(name, lines) for every scout of the scout list, in its
    // order, with the trimmed kept lines of its file (views valid during the
    // call); a file that cannot be read is remembered for EndListReport.
    // With tagLinesOnly only the lines that begin with a tag whose name
    // begins with a capital letter are given (IsCapitalTagLine): the others,
    // requirement blocks above all, are most of a file, and only the
    // positions report looks at any of them.
    void ScanListedScouts(bool tagLinesOnly,
                          const std::function<void(const AnsiString&, const std::vector<std::string_view>&)>& each);
    // Adds a row to the report being built. The rows reach lbRpt at
    // EndListReport, in the order its sorted mode gives them.
    void AddReportRow(AnsiString row) { ReportRows.push_back(std::move(row)); }
    // Adds the rows to lbRpt, writes the five top lines, shows the report
    // panel, then names the scout files that could not be read.
    void EndListReport(const AnsiString& title, const AnsiString& header, const AnsiString& dashes);
    // Prints the lines of lbRpt on the default printer.
    void PrintReportList();
    // Writes the counselor grid's rows with a merit badge to Counselors.txt;
    // false when the file could not be written (reported, nothing changed).
    // Save and Close writes them in grid order, each ended by a line feed;
    // the report panel's Close writes them through lbRpt (sorted when it
    // still is from the opening), each ended by CR LF.
    enum class CounselorLineEnds { LineFeed, ReportList };
    bool StoreCounselorGrid(CounselorLineEnds ends = CounselorLineEnds::ReportList);
    // ---- counselor list and attendance
    // Column widths of the two grids as fractions of their panel's or their own width.
    void SetCounselorColumnWidths();
    void SetAttendanceColumnWidths();
    // Rewrites <name>.scout with a new <Attend> section from grid row row + 1
    // and matrix row row. A scout whose file is gone is skipped; a file that
    // cannot be read or written raises the file error and stays as it was.
    // A file holding text its lines cannot keep is first kept aside: the
    // name it is kept under is returned ("" otherwise).
    AnsiString SaveScoutAttendance(int row, const AnsiString& name);
    // Readies lbRpt for a printout of a tool: unsorted, holding the title
    // and two blank lines; returns its lines.
    TStrings* BeginPrintout(const AnsiString& title);

    // ---- helpers of the sheet, catalog editor and awards
private:
    // Stores the open sheet (if any) back into its section of masterlist,
    // with today's date in <Updated>; saving uses it too.
    void StoreOpenSheet();
    // The section spec under which the open sheet is stored ("Secondclass*", "Camping*Mb").
    AnsiString OpenSheetSpec();
    void FillRow(int row, int requirement);
    void ShowFullText(int requirement);
    void PageRows(int direction);
    void AddAward(const AnsiString& kind);
    void OpenAwardSheet(TComboBox* list, const AnsiString& kind);
    // Length limits and refused characters of the sheet's and the editor's fields, set at start-up.
    void GuardSheetFields();
    void GuardEditorFields();
    AnsiString EditorCatalogKind();
    bool CatalogOpen() const { return CatalogLines[0][0] != '\0'; }
    bool CatalogLineSelected() const { return CatalogSelIndex >= 1 && CatalogSelIndex <= CatalogCount; }
    int FindCatalogLine(const AnsiString& number);
    void ShowCatalogLine(int index);
    void EmptyCatalogEditor();
    // A catalog line's number, short and full description, split at the first two separators.
    struct CatalogFields { AnsiString number, shortText, fullText; };
    static CatalogFields SplitCatalogLine(const AnsiString& line, const AnsiString& separator);
    // Copies text into a fixed field, cut to what the field holds.
    static void CopyField(char* field, size_t size, const AnsiString& text);
    // Adds a full description to a memo's lines, one line per piece between
    // bars; the text ends at its first control character or non-ASCII byte.
    static void AddBarLines(TStrings* lines, const AnsiString& text);

    // ---- helpers of the scout file and window
private:
    // Replaces a list's lines in one step (one change notice instead of one per line).
    static void ReplaceLines(TStrings* list, std::vector<AnsiString> lines);
    // The lines of the first section named name in masterlist, trimmed or as stored.
    std::vector<AnsiString> SectionLines(const AnsiString& name, bool trimmed);
    // An element line as the scout file stores it: "   <tag>value</tag>".
    static AnsiString ElementLine(const AnsiString& tag, const AnsiString& value);
    // The value of a trimmed line that begins with openTag: the text after it
    // (at most maxChars characters of it), cut before the first closeMark; ""
    // when the line does not begin with openTag or no closeMark follows within them.
    static AnsiString ElementValue(std::string_view line, std::string_view openTag, std::string_view closeMark,
                                   size_t maxChars = AnsiString::npos);
    // The name under which a scout file is kept aside as it was: "<file>.orig",
    // or, when that holds something else already, the first free
    // "<file>.orig2", "<file>.orig3" ...
    static AnsiString FreeKeepAsideName(const AnsiString& scoutFile, const std::string& bytes);
    // Writes the loaded scout's files; false when the scout file could not be
    // written (reported; the scout stays loaded and nothing is cleared).
    bool WriteCurrentScout();
    // The positions, camps and service lists (ListMode 0, 1, 2).
    void StoreListSection(int mode);
    void FetchListSection(int mode);
    void ShowListMode(int mode);
    void SwitchListMode(int mode);
    AnsiString ListEntryFromFields();
    void ClearListFields();
    // The requirement rows built at start-up and freed at close.
    void BuildRequirementRows();
    void FreeRequirementRows();
    // Fills the personal fields from the <Scout> section's trimmed lines.
    void ShowPersonalSection(std::span<const std::string_view> section);
    // The rank status of a rank section's trimmed lines ("", "p" or "c" and a date).
    static AnsiString RankStatusOf(std::span<const std::string_view> section);
    // The award lists and their captions from masterlist's trimmed lines.
    void FillAwardLists(std::span<const std::string_view> trimmed);
    // masterlist's lines trimmed, in one walk: views into its lines, valid
    // while masterlist is unchanged.
    std::vector<std::string_view> TrimmedMasterLines() const;
    // The trimmed lines of the first section named name (the lines after its
    // open tag up to its close tag or the end); none when it is absent.
    static std::span<const std::string_view> SectionIn(std::span<const std::string_view> trimmed,
                                                       const AnsiString& name);

    // ---- helpers of the one-scout reports
private:
    // Saves the loaded scout without unloading it, then empties the report
    // list and reads the file just written into bytes, its kept lines
    // trimmed into lines (views into bytes); false when the save failed
    // (reported), and then nothing else is done.
    bool SaveForDetailReport(std::string& bytes, std::vector<std::string_view>& lines);
    // Empties the window, loads the scout named again and shows the report panel.
    void ReloadAfterDetailReport(const AnsiString& name);

    // ---- helpers of the general notes and the backup
private:
    // Creates GeneralNotes.txt holding "General Notes" when it is missing;
    // false when it could not be created (reported).
    bool CreateGeneralNotes();
    // Starts the desktop's text editor, with a file or none.
    void StartNotepad(const AnsiString& parameters);
    bool BackupRunning = false;

public:
    // True when a trimmed line opens a section of the scout file. A section
    // whose close tag is missing ends at the next such line, for every reader
    // (the reports too) and for the store alike, so that saving never
    // swallows or doubles the sections after it.
    static bool IsSectionOpenTag(std::string_view trimmed);

    // Saves and unloads the loaded scout, as every command that leaves a
    // scout must. When the save fails (reported), the user is asked the
    // question after "Could not save FILE. ": Yes unloads the scout without
    // saving; No returns false and the scout stays loaded, so that the
    // command stops and nothing typed is lost.
    bool SaveAndUnload(const AnsiString& goOnQuestion = "Go on without saving?");

    // ---- member data, in the order of the design
    char CatalogLines[MaxRequirements + 1][4000] = {};
    char ReqFullText[MaxRequirements + 1][4000] = {};
    char ReqShortText[MaxRequirements + 1][150] = {};
    char ReqNumber[MaxRequirements + 1][50] = {};
    char ReqDate[MaxRequirements + 1][20] = {};
    char ReqCounselor[MaxRequirements + 1][20] = {};
    TPanel* RowPanel[SheetRows] = {};
    TLabel* RowNumberLabel[SheetRows] = {};
    TLabel* RowTextLabel[SheetRows] = {};
    TEdit* RowCounselorEdit[SheetRows] = {};
    TEdit* RowDateEdit[SheetRows] = {};
    TShape* RowStatusShape[SheetRows] = {};
    int CatalogSelIndex = 0;
    int CatalogCount = 0;
    int SheetScroll = 0;
    int SheetCount = 0;
    int SheetMaxScroll = 0;
    AnsiString FieldSep;
    bool RowsLive = false;
    AnsiString CatalogKind;
    AnsiString CurrentScout;
    bool ResetAfterSave = false;
    int ListMode = 0;
    bool RowsBuilt = false;
    // When the loaded scout's file held content that its lines cannot keep:
    // the file's bytes as loaded and the name they are kept under before the
    // first save; empty otherwise.
    AnsiString KeepAsideName;
    std::string KeepAsideBytes;
    // The file that the last save of the loaded scout could not write.
    AnsiString UnsavedFile;
    // One row per scout of the attendance grid (grid row i + 1), as many as
    // the grid shows; entry k (1..AttendanceWeeksRead) is 1 when the scout
    // came in week k back, week 1 being the current one. Empty while the
    // attendance panel is hidden.
    std::vector<std::array<int, AttendanceEntries>> AttendanceMatrix;
    // The scouts of the grid's rows, as the grid was opened: row i + 1 is
    // saved into the file of AttendanceScouts[i], whatever the scout list
    // shows meanwhile.
    std::vector<AnsiString> AttendanceScouts;
    TDateTime WeekReference = 0;

    // The rows of the list report being built, and the scout files it could not read.
    std::vector<AnsiString> ReportRows;
    std::vector<AnsiString> UnreadableScoutFiles;
};

extern TForm1* Form1;

#endif
