// The rescaling component: its properties and their checks, the design values
// it streams, loading (tracking the owner's controls), switching on and off,
// and destruction. The work done on window messages is in ScalerMessages.cpp.
#include "formscaler/FormScaler.h"

#include <algorithm>

std::vector<void*> ScalerList;
HHOOK HookHandle = nullptr;
int WinMajor = 0, WinMinor = 0;
bool UseJapanese = false;
int LastScreenWidth = 0, LastScreenHeight = 0;

namespace {

// The reader creates the component by its class name.
const bool classRegistered = [] {
    RegisterClass(TFormScaler::StaticClassInfo());
    return true;
}();

int Trunc(double v) { return static_cast<int>(v); }

// A font's size in points as its height in pixels gives it, not yet rounded
// to whole points: a 96-dpi height read on a denser screen is corrected from
// it, so that the rounding is done once (15 pixels on a 144-dpi screen are
// 7.5 points, and 11 once corrected, not 8 and then 12).
double PointSize(const TFont& font) { return -font.Height() * 72.0 / font.PixelsPerInch(); }

void ReadVersion() {
    DWORD version = GetVersion();
    WinMajor = static_cast<int>(version & 0xFF);
    WinMinor = static_cast<int>((version >> 8) & 0xFF);
}

void InstallHook() {
    HookHandle = SetWindowsHookEx(WH_CALLWNDPROC, ScalerHookProc, nullptr, GetCurrentThreadId());
}

void RemoveHook() {
    UnhookWindowsHookEx(HookHandle);
    HookHandle = nullptr;
}

// Splits text at ";": pieces as they stand (an empty piece is an empty name),
// and the rest after the last ";" when it is not empty.
void SplitNames(TStrings& names, const AnsiString& text) {
    names.Clear();
    AnsiString rest = text;
    for (size_t at = rest.find(';'); at != AnsiString::npos; at = rest.find(';')) {
        names.Add(rest.substr(0, at));
        rest = rest.substr(at + 1);
    }
    if (!rest.empty()) names.Add(rest);
}

// A refused size: the message in English, or in Japanese (UTF-8) when the user's language is.
[[noreturn]] void Refuse(const AnsiString& english, const AnsiString& japanese) {
    throw EInvalidOperation(UseJapanese ? japanese : english);
}

// The limit is 0 or the name of the property that sets it.
AnsiString LimitText(const AnsiString& limit) { return limit == "0" ? limit : "the " + limit; }

[[noreturn]] void RefuseBelow(const AnsiString& limit) {
    Refuse("Set this value equal to or greater than " + LimitText(limit), limit + " 以上の値を入れてください");
}

[[noreturn]] void RefuseAbove(const AnsiString& limit) {
    Refuse("Set this value equal to or less than " + LimitText(limit), limit + " 以下の値を入れてください");
}

}  // namespace

// ---------------------------------------------------------------- class information

const TClassInfo& TFormScaler::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TFormScaler>("TFormScaler", TComponent::StaticClassInfo())
            .Enum("FormPos", &TFormScaler::FormPos, &TFormScaler::SetFormPos,
                  {"rpDefault", "rpTopLeft", "rpTopCenter", "rpTopRight", "rpMiddleLeft", "rpMiddleCenter",
                   "rpMiddleRight", "rpBottomLeft", "rpBottomCenter", "rpBottomRight"})
            .Int("FormWidth", &TFormScaler::FormWidth, &TFormScaler::SetFormWidth)
            .Int("FormHeight", &TFormScaler::FormHeight, &TFormScaler::SetFormHeight)
            .Int("FormMaxWidth", &TFormScaler::FormMaxWidth, &TFormScaler::SetFormMaxWidth)
            .Int("FormMaxHeight", &TFormScaler::FormMaxHeight, &TFormScaler::SetFormMaxHeight)
            .Int("FormMinWidth", &TFormScaler::FormMinWidth, &TFormScaler::SetFormMinWidth)
            .Int("FormMinHeight", &TFormScaler::FormMinHeight, &TFormScaler::SetFormMinHeight)
            .Bool("ResizeFont", &TFormScaler::ResizeFont, &TFormScaler::SetResizeFont)
            .String("NoResizeFntCtl", &TFormScaler::NoResizeFntCtl, &TFormScaler::SetNoResizeFntCtl)
            .String("NoResizeCtl", &TFormScaler::NoResizeCtl, &TFormScaler::SetNoResizeCtl)
            .Bool("Enabled", &TFormScaler::Enabled, &TFormScaler::SetEnabled)
            .Bool("ValidTaskbar", &TFormScaler::ValidTaskbar, &TFormScaler::SetValidTaskbar)
            .Event("OnExitResize", &TFormScaler::OnExitResize)
            .Build();
    (void)classRegistered;
    return info;
}

// ---------------------------------------------------------------- construction and destruction

TFormScaler::TFormScaler(TComponent* owner) : TComponent(owner) {
    UseJapanese = CheckJapan();
    SetNoResizeFntCtls();
    SetNoResizeCtls();
    // Aligned controls would be laid out by the class library as well: the
    // component takes over their placement.
    if (owner)
        for (int i = 0; i < owner->ComponentCount(); ++i)
            if (auto* control = dynamic_cast<TControl*>(owner->Components(i));
                control && HasPublishedProperty(control, "Align") && control->Align() != alNone)
                control->SetAlign(alNone);
    ReadVersion();
    if (WinMajor == 4 && !HookHandle) InstallHook();
}

TFormScaler::~TFormScaler() {
    ctrlIndex_.clear();
    ctrlInfoList_.clear();
    ownerBaseFont_.reset();
    noFontNames_.Clear();
    noResizeNames_.Clear();
    if (scalerListEntry_) {
        auto it = std::find(ScalerList.begin(), ScalerList.end(), scalerListEntry_);
        if (it != ScalerList.end()) ScalerList.erase(it);
        scalerListEntry_ = nullptr;
    }
    // A window that outlives its component gets its own procedure back, so
    // that its messages keep reaching the form.
    if (savedWndProc_ && IsWindow(ownerHandle_) &&
        GetWindowLong(ownerHandle_, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(&ScalerWndProc))
        SetWindowLong(ownerHandle_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedWndProc_));
    savedWndProc_ = nullptr;
    if (HookHandle) RemoveHook();
}

// ---------------------------------------------------------------- streaming

void TFormScaler::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineProperty(
        "DesignFrmW", [this](const FormValue& v) { ReadDesignFrmW(v); }, [this] { return WriteDesignFrmW(); }, true);
    filer.DefineProperty(
        "DesignFrmH", [this](const FormValue& v) { ReadDesignFrmH(v); }, [this] { return WriteDesignFrmH(); }, true);
    filer.DefineProperty(
        "DesignDpiW", [this](const FormValue& v) { ReadDesignDpiW(v); }, [this] { return WriteDesignDpiW(); }, true);
    filer.DefineProperty(
        "DesignDpiH", [this](const FormValue& v) { ReadDesignDpiH(v); }, [this] { return WriteDesignDpiH(); }, true);
}

namespace {

FormValue OwnerClient(const TComponent* owner, bool width) {
    auto* control = dynamic_cast<const TControl*>(owner);
    return FormValue::OfInt(!control ? 0 : width ? control->ClientWidth() : control->ClientHeight());
}

FormValue ScreenPixelsPerInch(int index) {
    HDC dc = GetDC(nullptr);
    int ppi = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return FormValue::OfInt(ppi);
}

}  // namespace

void TFormScaler::ReadDesignFrmW(const FormValue& value) { designFrmW_ = static_cast<int>(value.AsInt()); }
FormValue TFormScaler::WriteDesignFrmW() const { return OwnerClient(Owner(), true); }
void TFormScaler::ReadDesignFrmH(const FormValue& value) { designFrmH_ = static_cast<int>(value.AsInt()); }
FormValue TFormScaler::WriteDesignFrmH() const { return OwnerClient(Owner(), false); }
void TFormScaler::ReadDesignDpiW(const FormValue& value) { designDpiW_ = static_cast<int>(value.AsInt()); }
FormValue TFormScaler::WriteDesignDpiW() const { return ScreenPixelsPerInch(LOGPIXELSX); }
void TFormScaler::ReadDesignDpiH(const FormValue& value) { designDpiH_ = static_cast<int>(value.AsInt()); }
FormValue TFormScaler::WriteDesignDpiH() const { return ScreenPixelsPerInch(LOGPIXELSY); }

// ---------------------------------------------------------------- loading

void TFormScaler::GetFontSetting(std::unique_ptr<TFont>& font, TComponent* component) {
    font.reset();
    const TPropInfo* prop = component ? component->ClassInfo().FindProperty("Font") : nullptr;
    if (!prop || prop->Kind != TPropInfo::tkClass || !prop->Object) return;
    auto* source = dynamic_cast<TFont*>(prop->Object(component));
    if (!source) return;
    font = std::make_unique<TFont>();
    font->Assign(*source);
}

bool TFormScaler::ResizeExcluded(const TComponent* component) const {
    return noResizeNames_.Count() > 0 && noResizeNames_.IndexOf(component->Name()) >= 0;
}

void TFormScaler::Loaded() {
    TComponent::Loaded();
    baseClientWidth_ = designFrmW_;
    baseClientHeight_ = designFrmH_;
    HDC dc = GetDC(nullptr);
    runDpiX_ = GetDeviceCaps(dc, LOGPIXELSX);
    runDpiY_ = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    auto* form = dynamic_cast<TForm*>(Owner());
    // Without its design values (or without a window to follow) the
    // component cannot compute a scale: it stays unregistered and leaves
    // every message to the window.
    if (!form || designFrmW_ <= 0 || designFrmH_ <= 0 || designDpiW_ <= 0 || designDpiH_ <= 0 || runDpiX_ <= 0 ||
        runDpiY_ <= 0)
        return;
    const double dpiFactorX = static_cast<double>(designDpiW_) / runDpiX_;
    const double dpiFactorY = static_cast<double>(designDpiH_) / runDpiY_;

    void* entry = form->FieldAddress(Name());
    if (!entry || Name().empty()) return;
    scalerListEntry_ = entry;
    ScalerList.push_back(entry);
    ownerName_ = form->Name();
    ownerHandle_ = form->Handle();
    GetFontSetting(ownerBaseFont_, form);
    if (ownerBaseFont_) {
        form->Font()->SetSize(Trunc(PointSize(*form->Font()) / dpiFactorX + 0.5));
        ownerBaseFont_->SetSize(form->Font()->Size());
    }

    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form->Components(i));
        if (!control || ResizeExcluded(control)) continue;
        auto record = std::make_unique<TCtrlInfo>();
        record->Name = control->Name();
        GetFontSetting(record->BaseFont, control);
        if (record->BaseFont) {
            record->ParentFontNow = record->ParentFontBefore = control->ParentFont();
            if (!control->ParentFont()) control->Font()->SetSize(Trunc(PointSize(*control->Font()) / dpiFactorX + 0.5));
            record->BaseFont->SetSize(control->Font()->Size());
            record->LastFontSize = control->Font()->Size();
        }
        record->BaseLeft = control->Left();
        record->BaseTop = control->Top();
        record->BaseWidth = control->Width();
        record->BaseHeight = control->Height();
        AddRecord(std::move(record));
    }

    double rectFactorX = dpiFactorX, rectFactorY = dpiFactorY;
    if ((form->BorderStyle() == bsNone || form->BorderStyle() == bsDialog) && formWidth_ == 0 && formHeight_ == 0)
        rectFactorX = rectFactorY = 1.0;
    if (form->BorderStyle() == bsNone && form->WindowState() == wsMaximized) {
        rectFactorX = dpiFactorX;
        rectFactorY = dpiFactorY;
    }
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form->Components(i));
        if (!control || ResizeExcluded(control)) continue;
        TCtrlInfo* record = RecordOf(control->Name());
        if (!record) continue;
        control->SetBounds(Trunc(record->BaseLeft / rectFactorX + 0.5), Trunc(record->BaseTop / rectFactorY + 0.5),
                           Trunc(record->BaseWidth / rectFactorX + 0.5), Trunc(record->BaseHeight / rectFactorY + 0.5));
        record->BaseLeft = record->LastLeft = control->Left();
        record->BaseTop = record->LastTop = control->Top();
        record->BaseWidth = record->LastWidth = control->Width();
        record->BaseHeight = record->LastHeight = control->Height();
    }
    knownComponentCount_ = form->ComponentCount();
    if (WinMajor >= 5) InstallWindowProc();
}

void TFormScaler::InstallWindowProc() {
    savedWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLong(ownerHandle_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ScalerWndProc)));
}

// ---------------------------------------------------------------- records

TCtrlInfo* TFormScaler::RecordOf(const AnsiString& name) {
    auto it = ctrlIndex_.find(name);
    return it == ctrlIndex_.end() ? nullptr : it->second;
}

const TCtrlInfo* TFormScaler::FindCtrlInfo(const AnsiString& name) const {
    auto it = ctrlIndex_.find(name);
    return it == ctrlIndex_.end() ? nullptr : it->second;
}

void TFormScaler::AddRecord(std::unique_ptr<TCtrlInfo> record) {
    bindingsValid_ = false;
    ctrlIndex_.emplace(record->Name, record.get());  // an earlier record of the name stays the one found
    ctrlInfoList_.push_back(std::move(record));
}

void TFormScaler::RebuildIndex() {
    bindingsValid_ = false;
    ctrlIndex_.clear();
    for (const auto& record : ctrlInfoList_) ctrlIndex_.emplace(record->Name, record.get());
}

// ---------------------------------------------------------------- property setters

void TFormScaler::SetFormPos(TScalerFormPos v) {
    if (v == formPos_) return;
    formPos_ = v;
    auto* form = dynamic_cast<TForm*>(Owner());
    if (!form) return;
    RECT r;
    GetWindowRect(form->Handle(), &r);
    PlaceForm(form, formPos_, validTaskbar_, static_cast<int>(r.bottom - r.top), static_cast<int>(r.right - r.left));
}

void TFormScaler::StoreSize(int& field, int v, const char* property) {
    UseJapanese = CheckJapan();
    if (v != 0) CheckSize(v, property);
    field = v;
}

void TFormScaler::CheckSize(int v, const AnsiString& property) const {
    if (v < 0) RefuseBelow("0");
    if (property == "FormWidth") {
        if (v < formMinWidth_) RefuseBelow("FormMinWidth");
        if (formMaxWidth_ != 0 && v > formMaxWidth_) RefuseAbove("FormMaxWidth");
    } else if (property == "FormHeight") {
        if (v < formMinHeight_) RefuseBelow("FormMinHeight");
        if (formMaxHeight_ != 0 && v > formMaxHeight_) RefuseAbove("FormMaxHeight");
    } else if (property == "FormMaxWidth") {
        if (formMinWidth_ != 0 && formMinWidth_ > v) RefuseBelow("FormMinWidth");
        if (formWidth_ != 0 && formWidth_ > v) RefuseBelow("FormWidth");
    } else if (property == "FormMaxHeight") {
        if (formMinHeight_ != 0 && formMinHeight_ > v) RefuseBelow("FormMinHeight");
        if (formHeight_ != 0 && formHeight_ > v) RefuseBelow("FormHeight");
    } else if (property == "FormMinWidth") {
        if (formMaxWidth_ != 0 && formMaxWidth_ < v) RefuseAbove("FormMaxWidth");
        if (formWidth_ != 0 && formWidth_ < v) RefuseAbove("FormWidth");
    } else if (property == "FormMinHeight") {
        if (formMaxHeight_ != 0 && formMaxHeight_ < v) RefuseAbove("FormMaxHeight");
        if (formHeight_ != 0 && formHeight_ < v) RefuseAbove("FormHeight");
    }
}

void TFormScaler::SetFormWidth(int v) { StoreSize(formWidth_, v, "FormWidth"); }
void TFormScaler::SetFormHeight(int v) { StoreSize(formHeight_, v, "FormHeight"); }
void TFormScaler::SetFormMaxWidth(int v) { StoreSize(formMaxWidth_, v, "FormMaxWidth"); }
void TFormScaler::SetFormMaxHeight(int v) { StoreSize(formMaxHeight_, v, "FormMaxHeight"); }
void TFormScaler::SetFormMinWidth(int v) { StoreSize(formMinWidth_, v, "FormMinWidth"); }
void TFormScaler::SetFormMinHeight(int v) { StoreSize(formMinHeight_, v, "FormMinHeight"); }

void TFormScaler::SetNoResizeFntCtl(const AnsiString& v) {
    noResizeFntCtl_ = v;
    SetNoResizeFntCtls();
}

void TFormScaler::SetNoResizeCtl(const AnsiString& v) {
    noResizeCtl_ = v;
    SetNoResizeCtls();
}

void TFormScaler::SetNoResizeFntCtls() { SplitNames(noFontNames_, noResizeFntCtl_); }
void TFormScaler::SetNoResizeCtls() {
    SplitNames(noResizeNames_, noResizeCtl_);
    bindingsValid_ = false;
}

const std::vector<TFormScaler::Binding>& TFormScaler::Bindings() {
    TComponent* owner = Owner();
    if (bindingsValid_ && boundComponents_ == owner->ComponentsChanged() && boundNames_ == TComponent::NamesChanged())
        return bindings_;
    bindings_.clear();
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        auto* control = dynamic_cast<TControl*>(component);
        if (!control) continue;
        bindings_.push_back({control, RecordOf(control->Name()), ResizeExcluded(control)});
    }
    bindingsValid_ = true;
    boundComponents_ = owner->ComponentsChanged();
    boundNames_ = TComponent::NamesChanged();
    return bindings_;
}

void TFormScaler::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    if (WinMajor == 4) {
        if (!HookHandle && v) InstallHook();
        else if (HookHandle && !v) RemoveHook();
    } else if (!savedWndProc_ && v) {
        InstallWindowProc();
    } else if (savedWndProc_ && !v) {
        SetWindowLong(ownerHandle_, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(savedWndProc_));
        savedWndProc_ = nullptr;
    }
}

bool TFormScaler::CheckJapan() {
    char name[16] = {};
    if (GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, name, sizeof name) <= 0) return false;
    return UpperCase(name) == "JPN";
}
