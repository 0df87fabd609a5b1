// TFormScaler: a non-visual component that a form owns. Once the form has been
// read it records the rectangle and font size of every control the form owns;
// on every size change of the form's client area it sets each of them in
// proportion to the new size. It also places the form on the work area when
// the form is first shown, keeps the form within its size limits, and
// corrects a form designed at another screen resolution.
//
// Messages reach it in one of two ways, by the platform's major version: a
// call-window-procedure hook (version 4) or a replacement of the owner
// window's procedure (version 5 and later).
#ifndef TRAILBOOK_FORMSCALER_FORMSCALER_H
#define TRAILBOOK_FORMSCALER_FORMSCALER_H

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/vcl/Vcl.h"

enum TScalerFormPos : uint8_t {
    rpDefault, rpTopLeft, rpTopCenter, rpTopRight, rpMiddleLeft, rpMiddleCenter, rpMiddleRight,
    rpBottomLeft, rpBottomCenter, rpBottomRight
};

// Raised after every rescale with the component and the two scales.
using TExitResizeEvent = std::function<void(TObject* Sender, double XScale, double YScale)>;

// One tracked control: its rectangle and font at scale 1, and what the last pass set.
struct TCtrlInfo {
    AnsiString Name;
    int BaseLeft = 0, BaseTop = 0, BaseWidth = 0, BaseHeight = 0;
    int LastLeft = 0, LastTop = 0, LastWidth = 0, LastHeight = 0;
    int LastFontSize = 0;
    std::unique_ptr<TFont> BaseFont;  // null when the control's class has no published Font
    bool ParentFontNow = true, ParentFontBefore = true;
    // Found added while the last scale of a direction was 0: its base in that
    // direction is taken at the first pass whose scale there is not 0.
    bool BaseXPending = false, BaseYPending = false;
};

class TFormScaler : public TComponent {
    TB_DECLARE_CLASS()
public:
    explicit TFormScaler(TComponent* owner);
    ~TFormScaler() override;

    void DefineProperties(TFiler& filer) override;
    void Loaded() override;

    // The four design values streamed after the published properties: read
    // into their fields; written as the owner's client size and the screen's
    // pixels per inch, so a form saved records where it was designed.
    void ReadDesignFrmW(const FormValue& value);
    FormValue WriteDesignFrmW() const;
    void ReadDesignFrmH(const FormValue& value);
    FormValue WriteDesignFrmH() const;
    void ReadDesignDpiW(const FormValue& value);
    FormValue WriteDesignDpiW() const;
    void ReadDesignDpiH(const FormValue& value);
    FormValue WriteDesignDpiH() const;

    // ---- published properties
    TScalerFormPos FormPos() const { return formPos_; }
    int FormWidth() const { return formWidth_; }
    int FormHeight() const { return formHeight_; }
    int FormMaxWidth() const { return formMaxWidth_; }
    int FormMaxHeight() const { return formMaxHeight_; }
    int FormMinWidth() const { return formMinWidth_; }
    int FormMinHeight() const { return formMinHeight_; }
    bool ResizeFont() const { return resizeFont_; }
    const AnsiString& NoResizeFntCtl() const { return noResizeFntCtl_; }
    const AnsiString& NoResizeCtl() const { return noResizeCtl_; }
    bool Enabled() const { return enabled_; }
    bool ValidTaskbar() const { return validTaskbar_; }
    TExitResizeEvent OnExitResize;

    // A new position places the form at once. The six sizes only store: they
    // take effect at the next first show, size change or sizing drag. An
    // out-of-range size raises EInvalidOperation and leaves the property as
    // it was; 0 (no size, no limit) is always taken.
    void SetFormPos(TScalerFormPos v);
    void SetFormWidth(int v);
    void SetFormHeight(int v);
    void SetFormMaxWidth(int v);
    void SetFormMaxHeight(int v);
    void SetFormMinWidth(int v);
    void SetFormMinHeight(int v);
    void SetResizeFont(bool v) { resizeFont_ = v; }
    void SetNoResizeFntCtl(const AnsiString& v);
    void SetNoResizeCtl(const AnsiString& v);
    void SetEnabled(bool v);
    void SetValidTaskbar(bool v) { validTaskbar_ = v; }

    // Rebuild the name lists from the two ";"-separated properties.
    void SetNoResizeFntCtls();
    void SetNoResizeCtls();

    // A copy of the component's font when its class publishes one, else null.
    static void GetFontSetting(std::unique_ptr<TFont>& font, TComponent* component);
    // True when the user's language is Japanese ("JPN" in any case).
    static bool CheckJapan();

    // The screen less the taskbar when validTaskbar (always from the top-left
    // corner), and the TaskbarEdge it sits on: 0 top, 1 left, 2 right, 3 bottom, -1 none.
    static void GetWorkArea(int& width, int& height, int& TaskbarEdge, APPBARDATA& taskbar, bool validTaskbar);
    // Moves the form's window to pos on the work area with the given outer size.
    static void PlaceForm(TForm* form, TScalerFormPos pos, bool validTaskbar, int height, int width);

    // Brings the tracked set up to date with the owner's components.
    void SyncControlList();
    // The ParentFont bookkeeping around a rescale. Before (true): notes each
    // tracked control's ParentFont and switches it off, so that the pass sets
    // every font from its base; a control whose ParentFont the program
    // switched since the last pass has the font it shows now taken as its new
    // base. After (false): gives each control its ParentFont back, so that one
    // taking its parent's font has the parent's freshly scaled font again.
    void UpdateParentFonts(bool before);

    // Handles one message of the owner's window; the two ways in call it.
    void HandleMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // ---- state, for the window's code and for tests
    const std::vector<std::unique_ptr<TCtrlInfo>>& CtrlInfoList() const { return ctrlInfoList_; }
    // The record of a control name (the first one made under that name), or null.
    const TCtrlInfo* FindCtrlInfo(const AnsiString& name) const;
    const AnsiString& OwnerName() const { return ownerName_; }
    int BaseClientWidth() const { return baseClientWidth_; }
    int BaseClientHeight() const { return baseClientHeight_; }
    // The address of the owner's field that holds this component, as the
    // registry stores it; null while the component is not registered.
    void* ScalerListEntry() const { return scalerListEntry_; }
    const TStringList& NoFontNames() const { return noFontNames_; }
    const TStringList& NoResizeNames() const { return noResizeNames_; }
    int KnownComponentCount() const { return knownComponentCount_; }
    int DesignFrmW() const { return designFrmW_; }
    int DesignFrmH() const { return designFrmH_; }
    int DesignDpiW() const { return designDpiW_; }
    int DesignDpiH() const { return designDpiH_; }
    int RunDpiX() const { return runDpiX_; }
    int RunDpiY() const { return runDpiY_; }
    double LastXScale() const { return lastXScale_; }
    double LastYScale() const { return lastYScale_; }
    double LastFontScale() const { return lastFontScale_; }
    bool FirstSizeDone() const { return firstSizeDone_; }
    int AddedCount() const { return addedCount_; }
    HWND OwnerHandle() const { return ownerHandle_; }
    WNDPROC SavedWndProc() const { return savedWndProc_; }
    bool Registered() const { return scalerListEntry_ != nullptr; }
    const TFont* OwnerBaseFont() const { return ownerBaseFont_.get(); }

private:
    // Stores a size property after its checks; a refused value raises the
    // message of the first check that fails.
    void StoreSize(int& field, int v, const char* property);
    void CheckSize(int v, const AnsiString& property) const;
    void Place(HWND wnd);
    void RefitToScreen(HWND wnd);
    void LimitMaximized(HWND wnd, MINMAXINFO* info);
    void LimitDrag(RECT* rect);
    void Rescale(HWND wnd, LPARAM lParam);
    TCtrlInfo* RecordOf(const AnsiString& name);
    void AddRecord(std::unique_ptr<TCtrlInfo> record);
    void RebuildIndex();
    bool ResizeExcluded(const TComponent* component) const;
    // Each of the owner's controls with its record, in the owner's order, as
    // a rescale walks them; kept between passes while the owner's components
    // and every name stay as they were.
    struct Binding {
        TControl* control;
        TCtrlInfo* record;  // the first record of the control's name, or null
        bool excluded;      // named in NoResizeCtl
    };
    const std::vector<Binding>& Bindings();
    void InstallWindowProc();

    TScalerFormPos formPos_ = rpDefault;
    int formWidth_ = 0, formHeight_ = 0, formMaxWidth_ = 0, formMaxHeight_ = 0, formMinWidth_ = 0, formMinHeight_ = 0;
    bool resizeFont_ = true;
    AnsiString noResizeFntCtl_, noResizeCtl_;
    bool enabled_ = true;
    bool validTaskbar_ = true;

    AnsiString ownerName_;
    int baseClientWidth_ = 0, baseClientHeight_ = 0;
    HWND ownerHandle_ = nullptr;
    std::unique_ptr<TFont> ownerBaseFont_;
    std::vector<std::unique_ptr<TCtrlInfo>> ctrlInfoList_;
    // The first record of each name: a rescale finds every control's record in constant time.
    std::unordered_map<AnsiString, TCtrlInfo*> ctrlIndex_;
    std::vector<Binding> bindings_;
    bool bindingsValid_ = false;
    unsigned long long boundComponents_ = 0, boundNames_ = 0;  // the owner's changes when they were made
    void* scalerListEntry_ = nullptr;
    TStringList noFontNames_, noResizeNames_;
    int addedCount_ = 0;
    double lastXScale_ = 1.0, lastYScale_ = 1.0, lastFontScale_ = 1.0;
    int designFrmW_ = 0, designFrmH_ = 0, designDpiW_ = 0, designDpiH_ = 0;
    int runDpiX_ = 0, runDpiY_ = 0;
    bool firstSizeDone_ = false;
    int knownComponentCount_ = 0;
    WNDPROC savedWndProc_ = nullptr;
};

// The two ways in. The hook procedure handles a message before the window's
// own procedure; the window procedure handles it, then passes it on to the
// procedure it replaced (or, for a window no component is registered for, to
// the default procedure).
LRESULT ScalerHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT ScalerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Shared by every component of the process: the registry (the addresses of
// the owners' fields that hold registered components), the one hook, the
// platform version, the language of the messages and the last screen size seen.
extern std::vector<void*> ScalerList;
extern HHOOK HookHandle;
extern int WinMajor, WinMinor;
extern bool UseJapanese;
extern int LastScreenWidth, LastScreenHeight;

#endif
