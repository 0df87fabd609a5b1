// A small program for the desktop tests: its window uses every control class,
// and it writes one line to a log for every event its model receives, so a
// test can drive the real desktop with xdotool and read what arrived.
//
//   tb_probe LOG [--picture FILE.jpg]      shows the probe window
//   tb_probe LOG --print N                 prints N numbered lines, logs the outcome, ends
//   tb_probe LOG --fill N                  fills the shown list box with N lines in sorted
//                                          mode, in one update and line by line, logs the times, ends
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/vcl/Vcl.h"
#include "platform/wx/WxDesktop.h"

extern const char TrailbookForm_probe[];
extern const char TrailbookForm_probedlg[];

namespace {

FILE* logFile = nullptr;

void Log(const std::string& line) {
    if (!logFile) return;
    std::fprintf(logFile, "%s\n", line.c_str());
    std::fflush(logFile);
}

}  // namespace

class TProbeDialog : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TProbeDialog(TComponent* owner) : TForm(owner) { InitForm(TrailbookForm_probedlg); }
    TLabel* DialogLabel = nullptr;
    TEdit* DialogEdit = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    void FormActivate(TObject*) { Log("activate ProbeDialog"); }
};

const TClassInfo& TProbeDialog::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TProbeDialog>("TProbeDialog", TForm::StaticClassInfo())
                                       .Field("DialogLabel", &TProbeDialog::DialogLabel)
                                       .Field("DialogEdit", &TProbeDialog::DialogEdit)
                                       .Field("OKBtn", &TProbeDialog::OKBtn)
                                       .Field("CancelBtn", &TProbeDialog::CancelBtn)
                                       .Method("FormActivate", &TProbeDialog::FormActivate)
                                       .Build();
    return info;
}

#define PROBE_FIELDS(X)                                                                                    \
    X(TLabel, Label1) X(TShape, Shape1) X(TBevel, Bevel1) X(TEdit, Edit1) X(TButton, Button1)               \
    X(TCheckBox, CheckBox1) X(TPanel, Panel1) X(TLabel, Label2) X(TListBox, ListBox1)                      \
    X(TRadioButton, RadioButton1) X(TRadioButton, RadioButton2) X(TComboBox, ComboBox1) X(TMemo, Memo1)    \
    X(TImage, Image1) X(TMonthCalendar, MonthCalendar1) X(TStringGrid, StringGrid1) X(TRichEdit, RichEdit1) \
    X(TFileListBox, FileListBox1) X(TTimer, Timer1) X(TMainMenu, MainMenu1)

class TProbeForm : public TForm {
    TB_DECLARE_CLASS()
public:
    explicit TProbeForm(TComponent* owner) : TForm(owner) {
        InitForm(TrailbookForm_probe);
        StringGrid1->OnSetEditText = [this](TObject* sender, int col, int row, const AnsiString& value) {
            StringGrid1SetEditText(sender, col, row, value);
        };
        // Every size message the window procedure receives, with the client size it carries.
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLong(Handle(), GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc)));
    }

#define PROBE_DECLARE(cls, name) cls* name = nullptr;
    PROBE_FIELDS(PROBE_DECLARE)
#undef PROBE_DECLARE
    TProbeDialog* Dialog = nullptr;

    void FormResize(TObject*) { Log("resize " + std::to_string(ClientWidth()) + " " + std::to_string(ClientHeight())); }
    void Label1Click(TObject*) { Log("click Label1"); }
    void Edit1Change(TObject*) { Log("change Edit1 " + Edit1->Text()); }
    void Memo1Change(TObject*) { Log("change Memo1 " + std::to_string(Memo1->Lines()->Count()) + " lines"); }
    void CheckBox1Click(TObject*) { Log(std::string("click CheckBox1 ") + (CheckBox1->Checked() ? "on" : "off")); }
    void ListBox1Click(TObject*) {
        int i = ListBox1->ItemIndex();
        Log("click ListBox1 " + std::to_string(i) + " " + (i >= 0 ? (*ListBox1->Items())[i] : std::string()));
    }
    void RadioButton1Click(TObject*) { Log("click RadioButton1"); }
    void RadioButton2Click(TObject*) { Log("click RadioButton2"); }
    void ComboBox1Change(TObject*) { Log("change ComboBox1 " + ComboBox1->Text()); }
    void StringGrid1SetEditText(TObject*, int col, int row, const AnsiString& value) {
        Log("cell " + std::to_string(col) + " " + std::to_string(row) + " " + value + " model=" +
            StringGrid1->Cells(col, row));
    }
    void Button1Click(TObject*) { RunDialog("Button1"); }
    void MenuDialogClick(TObject*) { RunDialog("MenuDialog"); }
    void MenuAboutClick(TObject*) { Log("click MenuAbout"); }
    void MenuExitClick(TObject*) {
        Log("click MenuExit");
        Close();
    }

private:
    void RunDialog(const std::string& by) {
        Log("click " + by);
        Dialog->DialogEdit->SetText("");
        int result = Dialog->ShowModal();
        Log("modal " + std::to_string(result) + " " + Dialog->DialogEdit->Text());
    }

    static LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_SIZE)
            Log("size " + std::to_string(LOWORD(static_cast<uintptr_t>(lParam))) + " " +
                std::to_string(HIWORD(static_cast<uintptr_t>(lParam))) + " state " + std::to_string(wParam));
        if (msg == WM_SHOWWINDOW) Log("showwindow " + std::to_string(wParam));
        // The window may not be dragged wider than 800 pixels.
        if (msg == WM_SIZING) {
            auto* rect = reinterpret_cast<RECT*>(lParam);
            Log("sizing " + std::to_string(rect->right - rect->left) + " " + std::to_string(rect->bottom - rect->top));
            if (rect->right - rect->left > 800) rect->right = rect->left + 800;
        }
        return CallWindowProc(previous_, wnd, msg, wParam, lParam);
    }
    static inline WNDPROC previous_ = nullptr;
};

const TClassInfo& TProbeForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        ClassBuilder<TProbeForm> builder("TProbeForm", TForm::StaticClassInfo());
#define PROBE_FIELD(cls, name) builder.Field(#name, &TProbeForm::name);
        PROBE_FIELDS(PROBE_FIELD)
#undef PROBE_FIELD
        builder.Method("FormResize", &TProbeForm::FormResize)
            .Method("Label1Click", &TProbeForm::Label1Click)
            .Method("Edit1Change", &TProbeForm::Edit1Change)
            .Method("Memo1Change", &TProbeForm::Memo1Change)
            .Method("CheckBox1Click", &TProbeForm::CheckBox1Click)
            .Method("ListBox1Click", &TProbeForm::ListBox1Click)
            .Method("RadioButton1Click", &TProbeForm::RadioButton1Click)
            .Method("RadioButton2Click", &TProbeForm::RadioButton2Click)
            .Method("ComboBox1Change", &TProbeForm::ComboBox1Change)
            .Method("Button1Click", &TProbeForm::Button1Click)
            .Method("MenuDialogClick", &TProbeForm::MenuDialogClick)
            .Method("MenuAboutClick", &TProbeForm::MenuAboutClick)
            .Method("MenuExitClick", &TProbeForm::MenuExitClick);
        return builder.Build();
    }();
    return info;
}

namespace {

// Prints count numbered lines in Courier New and logs "printed" or the error.
int PrintAndEnd(int count) {
    TFont font;
    font.SetName("Courier New");
    font.SetSize(10);
    std::vector<AnsiString> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("Probe line " + std::to_string(i) + " of " + std::to_string(count));
    auto start = std::chrono::steady_clock::now();
    try {
        CurrentDesktop().PrintLines("Probe job", font, lines);
        Log("printed");
    } catch (const Exception& e) {
        Log("print-error " + e.Message());
    }
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    Log("print-ms " + std::to_string(elapsed.count()));
    return 0;
}

// Fills the shown list box with count lines as a list report does (sorted
// mode on, each line added where it sorts, then sorted mode off), once in
// one update and once line by line, and logs how long each took until the
// window had shown the lines.
int FillAndEnd(TProbeForm* form, int count) {
    form->Show();
    Application->ProcessMessages();
    auto fill = [&](bool oneUpdate) {
        TStrings* items = form->ListBox1->Items();
        auto start = std::chrono::steady_clock::now();
        if (oneUpdate) items->BeginUpdate();
        items->Clear();
        form->ListBox1->SetSorted(true);
        for (int i = count; i >= 1; --i) items->Add("Row " + std::to_string(i * 7919 % count));
        form->ListBox1->SetSorted(false);
        if (oneUpdate) items->EndUpdate();
        Application->ProcessMessages();
        auto elapsed = std::chrono::steady_clock::now() - start;
        return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    };
    Log("fill-batch-ms " + fill(true));
    Log("fill-each-ms " + fill(false));
    Log("fill-count " + std::to_string(form->ListBox1->Items()->Count()));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tb_probe LOG [--picture FILE | --print N | --fill N]\n");
        return 2;
    }
    logFile = std::fopen(argv[1], "a");
    if (!logFile) {
        std::perror(argv[1]);
        return 2;
    }
    std::string picture;
    int printCount = -1, fillCount = -1;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--picture") == 0) picture = argv[i + 1];
        if (std::strcmp(argv[i], "--print") == 0) printCount = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--fill") == 0) fillCount = std::atoi(argv[i + 1]);
    }
    WxDesktop desktop(argc, argv);
    SetDesktop(&desktop);
    if (printCount >= 0) return PrintAndEnd(printCount);

    InitApplication();
    Application->SetTitle("Trailbook Probe");
    TProbeForm* form = nullptr;
    Application->CreateForm(form);
    Application->CreateForm(form->Dialog);
    if (!picture.empty()) form->Image1->Picture()->LoadFromFile(picture);
    for (int r = 0; r < 3; ++r) form->StringGrid1->SetCells(r, 0, "Head " + std::to_string(r));
    if (fillCount >= 0) return FillAndEnd(form, fillCount);
    RECT screen = CurrentDesktop().ScreenRect(), work = CurrentDesktop().WorkArea();
    Log("screen " + std::to_string(screen.right - screen.left) + " " + std::to_string(screen.bottom - screen.top) +
        " work " + std::to_string(work.right - work.left) + " " + std::to_string(work.bottom - work.top) + " ppi " +
        std::to_string(CurrentDesktop().PixelsPerInch()) + " language " + CurrentDesktop().LocaleAbbrevLanguage());
    Log("started");
    Application->Run();
    Log("ended");
    DoneApplication();
    return 0;
}
