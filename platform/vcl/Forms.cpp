// Forms, the application object, the screen, message and input boxes, and
// user input as the desktops and the tests deliver it.
#include "platform/vcl/Forms.h"

#include <cmath>
#include <filesystem>

#include "platform/core/Files.h"
#include "platform/vcl/FormReader.h"
#include "platform/vcl/Grids.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

// Runs a handler in the application's exception guard (directly when there
// is no application, as in a bare model test).
void Guarded(const std::function<void()>& handler) {
    if (Application) Application->Guard(handler);
    else handler();
}

constexpr int frameSides = 8;    // 4 pixels each side
constexpr int frameCaption = 30;
constexpr int frameMenu = 20;

}  // namespace

// ---------------------------------------------------------------- TForm

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TForm>("TForm", TWinControl::StaticClassInfo())
            .String("Caption", &TForm::Caption, &TForm::SetCaption)
            .Int("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
            .Int("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
            .Enum("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle,
                  {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"})
            .Enum("WindowState", &TForm::WindowState, &TForm::SetWindowState, {"wsNormal", "wsMinimized", "wsMaximized"})
            .Enum("Position", &TForm::Position, &TForm::SetPosition,
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                   "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"})
            .Reference<TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu)
            .Int("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
            .Int("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight)
            .Bool("Scaled", &TForm::Scaled, &TForm::SetScaled)
            .Bool("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
            .Bool("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder)
            .Event("OnCreate", &TForm::OnCreate)
            .Event("OnClose", &TForm::OnClose)
            .Event("OnActivate", &TForm::OnActivate)
            .Event("OnShow", &TForm::OnShow)
            .Event("OnDestroy", &TForm::OnDestroy)
            .Build();
    return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisibleFlag(false);
    SetBounds(0, 0, 320 + frameSides, 240 + frameCaption);
}

TForm::~TForm() {
    CurrentDesktop().FormDestroyed(this);
    if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
    if (Screen && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
}

int TForm::FrameWidth() const { return frameSides; }
int TForm::FrameHeight() const { return frameCaption + (menu_ ? frameMenu : 0); }
int TForm::ClientWidth() const { return Width() - FrameWidth(); }
int TForm::ClientHeight() const { return Height() - FrameHeight(); }
void TForm::SetClientWidth(int v) { SetWidth(v + FrameWidth()); }
void TForm::SetClientHeight(int v) { SetHeight(v + FrameHeight()); }

void TForm::SetMenu(TMainMenu* v) {
    int clientHeight = ClientHeight();
    menu_ = v;
    if (Loading()) SetClientHeight(clientHeight);
    Changed(PeerProp::Menu);
}

std::vector<TComponent*> TForm::ChildComponents() const {
    std::vector<TComponent*> children;
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (!dynamic_cast<TControl*>(c) && !dynamic_cast<TMenuItem*>(c)) children.push_back(c);
    }
    for (TComponent* c : TWinControl::ChildComponents()) children.push_back(c);
    return children;
}

void TForm::InitForm(const char* description) {
    if (!description) throw EReadError("No form description for " + ClassName());
    SetLoading(true);
    try {
        ReadComponentText(description, this);
    } catch (...) {
        SetLoading(false);
        throw;
    }
    SetLoading(false);
    ScaleToScreen();
    if (OnCreate) Guarded([this] { OnCreate(this); });
}

// A form shows at the pixels of its description on a 96-dpi screen (the
// dialogs, whose descriptions were written at 120, as well). On a denser
// screen it opens as much larger, so that its text, drawn at the screen's
// resolution, fits where it did. A dialog, which keeps its size, has its
// controls and fonts scaled with it here; the controls of a sizeable form are
// laid out anew for each size of its window (by its rescaling component).
void TForm::ScaleToScreen() {
    constexpr int designPixelsPerInch = 96;
    const int ppi = CurrentDesktop().PixelsPerInch();
    if (!scaled_ || ppi <= designPixelsPerInch) return;
    auto scale = [ppi](int v) { return static_cast<int>(std::lround(v * static_cast<double>(ppi) / designPixelsPerInch)); };
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    SetClientWidth(scale(clientWidth));
    SetClientHeight(scale(clientHeight));
    if (borderStyle_ != bsDialog && borderStyle_ != bsNone) return;
    Font()->SetHeight(scale(Font()->Height()));
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(Components(i));
        if (!control) continue;
        control->SetBounds(scale(control->Left()), scale(control->Top()), scale(control->Width()),
                           scale(control->Height()));
        if (!control->ParentFont()) control->Font()->SetHeight(scale(control->Font()->Height()));
    }
}

void TForm::SetVisible(bool v) {
    if (Loading()) {
        SetVisibleFlag(v);
        return;
    }
    if (v) Show();
    else Hide();
}

void TForm::Show() {
    bool wasVisible = Visible();
    TControl::SetVisible(true);
    CurrentDesktop().ShowForm(this);
    if (!wasVisible && OnShow) Guarded([this] { OnShow(this); });
}

void TForm::Hide() {
    if (!Visible()) return;
    TControl::SetVisible(false);
    CurrentDesktop().HideForm(this);
}

int TForm::ShowModal() {
    modal_ = true;
    modalResult_ = mrNone;
    SetVisibleFlag(true);
    int result = mrCancel;
    try {
        if (OnShow) Guarded([this] { OnShow(this); });
        result = CurrentDesktop().ShowModal(this);
    } catch (...) {
        modal_ = false;
        SetVisibleFlag(false);
        throw;
    }
    modal_ = false;
    SetVisibleFlag(false);
    modalResult_ = result;
    return result;
}

void TForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (modal_) modalResult_ = mrCancel;
    else if (Application && Application->MainForm() == this) Application->Terminate();
    else if (action == caMinimize) SetWindowState(wsMinimized);
    else Hide();
}

LRESULT TForm::DefaultWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_SIZE) return DefWindowProc(wnd, msg, wParam, lParam);
    if (auto* form = dynamic_cast<TForm*>(FindControl(wnd))) {
        // The window changed state itself: the model follows without telling the peer back.
        if (wParam == SIZE_MAXIMIZED) form->windowState_ = wsMaximized;
        else if (wParam == SIZE_MINIMIZED) form->windowState_ = wsMinimized;
        else if (wParam == SIZE_RESTORED) form->windowState_ = wsNormal;
        Guarded([form] { form->Resize(); });
    }
    return 0;
}

void TForm::Activate() {
    if (Screen) Screen->SetActiveForm(this);
    if (OnActivate) Guarded([this] { OnActivate(this); });
}

RECT FormWindowRect(const TForm* form) {
    return {form->Left(), form->Top(), form->Left() + form->Width(), form->Top() + form->Height()};
}

void MoveFormWindow(TForm* form, int x, int y, int width, int height) {
    bool resized = width != form->Width() || height != form->Height();
    form->SetBounds(x, y, width, height);
    if (resized && form->HandleAllocated())
        SendMessage(form->Handle(), WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(static_cast<unsigned>(form->ClientWidth()), static_cast<unsigned>(form->ClientHeight())));
}

// ---------------------------------------------------------------- TApplication

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TApplication>("TApplication", TComponent::StaticClassInfo()).Build();
    return info;
}

TApplication::~TApplication() {
    mainForm_ = nullptr;
    for (int i = ComponentCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TForm*>(Components(i)); form && form->OnDestroy)
            Guard([form] { form->OnDestroy(form); });
}

void TApplication::Run() {
    if (!mainForm_ || terminated_) return;
    mainForm_->Show();
    CurrentDesktop().RunMessageLoop(mainForm_);
}

void TApplication::Terminate() {
    terminated_ = true;
    CurrentDesktop().Terminate();
}

void TApplication::ProcessMessages() { CurrentDesktop().ProcessMessages(); }

bool TApplication::HelpCommand(int command, long data) {
    (void)data;
    if (command == HELP_QUIT) return true;
    namespace fs = std::filesystem;
    const AnsiString wanted = NativePath(helpFile_);
    std::vector<fs::path> places;
    if (!wanted.empty()) {
        places.push_back(wanted);
        if (fs::path(wanted).is_relative()) {
            // The program's own data folder, beside the folder it runs from.
            const AnsiString programFolder = ProgramFolder();
            if (!programFolder.empty())
                places.push_back(fs::path(programFolder) / TRAILBOOK_DATADIR_FROM_BINDIR / wanted);
        }
    }
    for (const fs::path& place : places) {
        std::error_code error;
        if (!fs::is_regular_file(place, error)) continue;
        AnsiString path = fs::absolute(place, error).lexically_normal().string();
        if (CurrentDesktop().ShowHelpFile(path)) return true;
        ::ShowMessage("Cannot show the help file " + path);
        return false;
    }
    ::ShowMessage("Cannot find the help file " + wanted);
    return false;
}

void TApplication::ShowException(const Exception& e) { CurrentDesktop().ShowMessage(title_, e.Message()); }

void TApplication::HandleException(TObject* sender) {
    (void)sender;
    try {
        throw;
    } catch (const Exception& e) {
        ShowException(e);
    } catch (const std::exception& e) {
        ShowException(Exception(e.what()));
    } catch (...) {
        ShowException(Exception(""));
    }
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        HandleException(this);
    }
}

// ---------------------------------------------------------------- TScreen

const TClassInfo& TScreen::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TScreen>("TScreen", TComponent::StaticClassInfo()).Build();
    return info;
}

int TScreen::Width() const {
    RECT r = CurrentDesktop().ScreenRect();
    return static_cast<int>(r.right - r.left);
}

int TScreen::Height() const {
    RECT r = CurrentDesktop().ScreenRect();
    return static_cast<int>(r.bottom - r.top);
}

int TScreen::PixelsPerInch() const { return CurrentDesktop().PixelsPerInch(); }

TRect TScreen::WorkAreaRect() const {
    RECT r = CurrentDesktop().WorkArea();
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

void InitApplication() {
    RegisterStandardClasses();
    if (!Application) Application = new TApplication(nullptr);
    if (!Screen) Screen = new TScreen(nullptr);
}

void DoneApplication() {
    // The globals are cleared first so that forms freed with the application
    // do not reach back into it.
    TApplication* app = Application;
    Application = nullptr;
    delete app;
    delete Screen;
    Screen = nullptr;
    SetFocusedControl(nullptr);
}

// ---------------------------------------------------------------- message and input boxes

void ShowMessage(const AnsiString& text) {
    CurrentDesktop().ShowMessage(Application ? Application->Title() : AnsiString(), text);
}

AnsiString InputBox(const AnsiString& caption, const AnsiString& prompt, const AnsiString& defaultValue) {
    AnsiString value = defaultValue;
    return CurrentDesktop().InputQuery(caption, prompt, value) ? value : defaultValue;
}

bool AskYesNo(const AnsiString& question) {
    return CurrentDesktop().AskYesNo(Application ? Application->Title() : AnsiString(), question);
}

bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
    AnsiString answer = value;
    if (!CurrentDesktop().InputQuery(caption, prompt, answer)) return false;
    value = answer;
    return true;
}

// ---------------------------------------------------------------- user input

namespace UserInput {

namespace {

// The characters of text that the control accepts; one beep when any is refused.
AnsiString Accepted(const TWinControl* control, const AnsiString& text) {
    if (!control->AcceptChar) return text;
    AnsiString accepted;
    bool refused = false;
    for (char c : text) {
        if (control->AcceptChar(static_cast<unsigned char>(c))) accepted += c;
        else refused = true;
    }
    if (refused) CurrentDesktop().Beep();
    return accepted;
}

AnsiString CutAt(AnsiString text, int maxLength) {
    if (maxLength > 0 && text.size() > static_cast<size_t>(maxLength)) text.resize(static_cast<size_t>(maxLength));
    return text;
}

}  // namespace

void Click(TControl* control) {
    if (!control->Enabled()) return;
    Guarded([control] {
        if (auto* radio = dynamic_cast<TRadioButton*>(control)) {
            radio->SetChecked(true);
        } else if (auto* check = dynamic_cast<TCheckBox*>(control)) {
            check->SetChecked(!check->Checked());
            check->Click();
        } else {
            control->Click();
        }
    });
}

void DblClick(TControl* control) {
    if (!control->Enabled()) return;
    Guarded([control] { control->DblClick(); });
}

void ClickMenu(TMenuItem* item) {
    Guarded([item] { item->Click(); });
}

void Type(TControl* control, const AnsiString& text) {
    if (!control->Enabled()) return;
    Guarded([control, &text] {
        if (auto* edit = dynamic_cast<TEdit*>(control)) {
            if (edit->ReadOnly()) return;
            edit->SetText(CutAt(Accepted(edit, text), edit->MaxLength()));
        } else if (auto* memo = dynamic_cast<TMemo*>(control)) {
            if (memo->ReadOnly()) return;
            AnsiString before = memo->MemoText();
            memo->Lines()->SetText(Accepted(memo, text));
            if (memo->MemoText() != before && memo->OnChange) memo->OnChange(memo);
        } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
            AnsiString before = combo->Text();
            combo->SetTypedText(CutAt(Accepted(combo, text), combo->MaxLength()));
            if (combo->Text() != before) combo->Change();
        } else {
            throw EInvalidOperation("Cannot type into " + control->ClassName());
        }
    });
}

void Pick(TControl* control, int index) {
    if (!control->Enabled()) return;
    Guarded([control, index] {
        if (auto* list = dynamic_cast<TListBox*>(control)) {
            list->SetItemIndex(index);
            list->Click();
        } else if (auto* combo = dynamic_cast<TComboBox*>(control)) {
            combo->SetItemIndex(index);
            combo->Click();
            combo->Change();
        } else {
            throw EInvalidOperation("Cannot pick an item of " + control->ClassName());
        }
    });
}

void MouseUp(TControl* control, TMouseButton button, TShiftState shift, int x, int y) {
    if (!control->Enabled()) return;
    Guarded([=] { control->MouseUp(button, shift, x, y); });
}

void KeyUp(TWinControl* control, unsigned short key, TShiftState shift) {
    if (!control->Enabled()) return;
    Guarded([=]() mutable { control->KeyUp(key, shift); });
}

void Focus(TWinControl* control) {
    Guarded([control] { control->SetFocus(); });
}

void CheckRadio(TRadioButton* button) {
    if (!button->Enabled()) return;
    Guarded([button] { button->SetChecked(true); });
}

void EditCell(TControl* grid, int col, int row, const AnsiString& text) {
    Guarded([grid, col, row, &text] {
        auto* stringGrid = dynamic_cast<TStringGrid*>(grid);
        if (!stringGrid) throw EInvalidOperation("Cannot edit a cell of " + grid->ClassName());
        stringGrid->CellEdited(col, row, Accepted(stringGrid, text));
    });
}

void CloseBox(TForm* form) {
    Guarded([form] { form->Close(); });
}

}  // namespace UserInput
