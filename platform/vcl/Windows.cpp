// Window handles, window procedures, hooks and the screen questions. A handle
// is a number standing for a control; the registry keeps its control and its
// current window procedure. Screen and window-state answers come from the
// Desktop in use.
#include "platform/vcl/Windows.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include "platform/vcl/Desktop.h"
#include "platform/vcl/Forms.h"

namespace {

struct WindowEntry {
    TWinControl* control;
    WNDPROC proc;
};

struct Hook {
    HHOOK handle;
    HOOKPROC proc;
};

// Everything runs on the one user-interface thread, so the registry needs no lock.
struct Registry {
    std::map<HWND, WindowEntry> windows;
    std::vector<Hook> hooks;  // oldest first
    uintptr_t nextWindow = 0x10000;
    uintptr_t nextHook = 0x20000;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

WindowEntry* FindWindowEntry(HWND wnd) {
    auto& windows = TheRegistry().windows;
    auto it = windows.find(wnd);
    return it == windows.end() ? nullptr : &it->second;
}

TForm* FormOf(HWND wnd) { return dynamic_cast<TForm*>(FindControl(wnd)); }

bool HookInstalled(HHOOK handle) {
    const auto& hooks = TheRegistry().hooks;
    return std::any_of(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == handle; });
}

}  // namespace

// ---------------------------------------------------------------- handles

HWND AllocateWindowHandle(TWinControl* control, WNDPROC defaultProc) {
    Registry& registry = TheRegistry();
    HWND wnd = reinterpret_cast<HWND>(registry.nextWindow);
    registry.nextWindow += 4;
    registry.windows[wnd] = {control, defaultProc};
    return wnd;
}

void ReleaseWindowHandle(HWND wnd) { TheRegistry().windows.erase(wnd); }

TWinControl* FindControl(HWND wnd) {
    WindowEntry* entry = FindWindowEntry(wnd);
    return entry ? entry->control : nullptr;
}

bool IsWindow(HWND wnd) { return FindWindowEntry(wnd) != nullptr; }

// ---------------------------------------------------------------- messages and procedures

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(wnd)) return 0;
    CWPSTRUCT message{lParam, wParam, msg, wnd};
    // A hook may remove itself or others while it runs: walk a copy and skip
    // the hooks that are gone by the time their turn comes.
    std::vector<Hook> hooks = TheRegistry().hooks;
    for (auto it = hooks.rbegin(); it != hooks.rend(); ++it)
        if (HookInstalled(it->handle)) it->proc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&message));
    // A hook may also have destroyed the window.
    WindowEntry* entry = FindWindowEntry(wnd);
    if (!entry || !entry->proc) return 0;
    WNDPROC proc = entry->proc;
    return proc(wnd, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(wnd, msg, wParam, lParam) : 0;
}

LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) {
    // Nothing to do by default; a MINMAXINFO record stays as the sender filled it.
    return 0;
}

LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value) {
    WindowEntry* entry = FindWindowEntry(wnd);
    if (!entry || index != GWL_WNDPROC) return 0;
    WNDPROC previous = entry->proc;
    entry->proc = reinterpret_cast<WNDPROC>(value);
    return reinterpret_cast<LONG_PTR>(previous);
}

LONG_PTR GetWindowLong(HWND wnd, int index) {
    WindowEntry* entry = FindWindowEntry(wnd);
    if (!entry || index != GWL_WNDPROC) return 0;
    return reinterpret_cast<LONG_PTR>(entry->proc);
}

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (idHook != WH_CALLWNDPROC || !proc) return nullptr;
    Registry& registry = TheRegistry();
    HHOOK handle = reinterpret_cast<HHOOK>(registry.nextHook);
    registry.nextHook += 4;
    registry.hooks.push_back({handle, proc});
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = TheRegistry().hooks;
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end()) return 0;
    hooks.erase(it);
    return 1;
}

LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) {
    // SendMessage itself calls every installed hook.
    return 0;
}

DWORD GetCurrentThreadId() {
    return static_cast<DWORD>(std::hash<std::thread::id>()(std::this_thread::get_id()));
}

// ---------------------------------------------------------------- screen questions

namespace {
constexpr int FrameThickness = 4, CaptionHeight = 26, MenuHeight = 20;

long RectWidth(const RECT& r) { return r.right - r.left; }
long RectHeight(const RECT& r) { return r.bottom - r.top; }

// The part of the screen that the work area leaves out, and the edge it lies on.
// With no such part (a hidden taskbar) a strip of no height at the bottom.
void TaskbarPosition(RECT& rect, UINT& edge) {
    Desktop& desktop = CurrentDesktop();
    RECT screen = desktop.ScreenRect();
    RECT work = desktop.WorkArea();
    rect = screen;
    if (work.bottom < screen.bottom) {
        rect.top = work.bottom;
        edge = ABE_BOTTOM;
    } else if (work.top > screen.top) {
        rect.bottom = work.top;
        edge = ABE_TOP;
    } else if (work.left > screen.left) {
        rect.right = work.left;
        edge = ABE_LEFT;
    } else if (work.right < screen.right) {
        rect.left = work.right;
        edge = ABE_RIGHT;
    } else {
        rect.top = screen.bottom;
        edge = ABE_BOTTOM;
    }
}

// Any non-null value serves as the screen's device context.
char screenDeviceContext;
}  // namespace

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN: return static_cast<int>(RectWidth(CurrentDesktop().ScreenRect()));
        case SM_CYSCREEN: return static_cast<int>(RectHeight(CurrentDesktop().ScreenRect()));
        case SM_CXFULLSCREEN: return static_cast<int>(RectWidth(CurrentDesktop().WorkArea()));
        case SM_CYFULLSCREEN: return static_cast<int>(RectHeight(CurrentDesktop().WorkArea()));
        case SM_CXFRAME:
        case SM_CYFRAME: return FrameThickness;
        case SM_CYCAPTION: return CaptionHeight;
        case SM_CYMENU: return MenuHeight;
        default: return 0;
    }
}

HDC GetDC(HWND) { return reinterpret_cast<HDC>(&screenDeviceContext); }

int ReleaseDC(HWND, HDC) { return 1; }

int GetDeviceCaps(HDC, int index) {
    if (index == LOGPIXELSX || index == LOGPIXELSY) return CurrentDesktop().PixelsPerInch();
    return 0;
}

uintptr_t SHAppBarMessage(UINT message, APPBARDATA* data) {
    switch (message) {
        case ABM_GETSTATE:
            return CurrentDesktop().TaskbarAutoHide() ? (ABS_ALWAYSONTOP | ABS_AUTOHIDE) : ABS_ALWAYSONTOP;
        case ABM_GETTASKBARPOS:
            if (!data) return 0;
            TaskbarPosition(data->rc, data->uEdge);
            return 1;
        default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT, void* out, UINT) {
    if (action != SPI_GETWORKAREA || !out) return 0;
    *static_cast<RECT*>(out) = CurrentDesktop().WorkArea();
    return 1;
}

DWORD GetVersion() { return CurrentDesktop().Version(); }

int GetLocaleInfo(DWORD, DWORD type, char* data, int size) {
    if (type != LOCALE_SABBREVLANGNAME) return 0;
    AnsiString name = CurrentDesktop().LocaleAbbrevLanguage();
    int needed = static_cast<int>(name.size()) + 1;
    if (size == 0) return needed;  // asks for the size only
    if (!data || size < needed) return 0;
    std::memcpy(data, name.c_str(), static_cast<size_t>(needed));
    return needed;
}

// ---------------------------------------------------------------- the form behind a handle

BOOL IsIconic(HWND wnd) {
    TForm* form = FormOf(wnd);
    return form && CurrentDesktop().IsIconic(form);
}

BOOL IsZoomed(HWND wnd) {
    TForm* form = FormOf(wnd);
    return form && CurrentDesktop().IsZoomed(form);
}

BOOL GetWindowRect(HWND wnd, RECT* rect) {
    TForm* form = FormOf(wnd);
    if (!form || !rect) return 0;
    *rect = CurrentDesktop().WindowRect(form);
    return 1;
}

BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL) {
    TForm* form = FormOf(wnd);
    if (!form) return 0;
    CurrentDesktop().MoveWindow(form, x, y, width, height);
    return 1;
}

BOOL LockWindowUpdate(HWND wnd) {
    if (!wnd) {  // unlocks
        CurrentDesktop().LockWindowUpdate(nullptr);
        return 1;
    }
    TForm* form = FormOf(wnd);
    if (!form) return 0;
    CurrentDesktop().LockWindowUpdate(form);
    return 1;
}
