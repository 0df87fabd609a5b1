// Window handles, window procedures, messages and the screen questions of the
// platform's user interface. Every shown form has a window handle and a chain
// of window procedures; SendMessage passes a message to the thread's
// call-window-procedure hooks, then to the window's procedure. Screen and
// window-state questions are answered by the Desktop.
#ifndef TRAILBOOK_PLATFORM_WINDOWS_H
#define TRAILBOOK_PLATFORM_WINDOWS_H

#include <cstdint>

struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;
struct HHOOK__;
using HHOOK = HHOOK__*;
using HINSTANCE = void*;
using UINT = unsigned int;
using DWORD = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using BOOL = int;

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using HOOKPROC = LRESULT (*)(int code, WPARAM, LPARAM);

struct POINT { long x = 0, y = 0; };
struct RECT { long left = 0, top = 0, right = 0, bottom = 0; };
struct MINMAXINFO { POINT ptReserved, ptMaxSize, ptMaxPosition, ptMinTrackSize, ptMaxTrackSize; };
struct CWPSTRUCT { LPARAM lParam; WPARAM wParam; UINT message; HWND hwnd; };
struct APPBARDATA { DWORD cbSize = sizeof(APPBARDATA); HWND hWnd = nullptr; UINT uCallbackMessage = 0; UINT uEdge = 0; RECT rc; LPARAM lParam = 0; };

constexpr UINT WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_SHOWWINDOW = 0x0018, WM_GETMINMAXINFO = 0x0024,
               WM_NCPAINT = 0x0085, WM_SIZING = 0x0214, WM_DISPLAYCHANGE = 0x007E, WM_CLOSE = 0x0010;
constexpr WPARAM SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;
constexpr WPARAM WMSZ_LEFT = 1, WMSZ_RIGHT = 2, WMSZ_TOP = 3, WMSZ_TOPLEFT = 4, WMSZ_TOPRIGHT = 5,
                 WMSZ_BOTTOM = 6, WMSZ_BOTTOMLEFT = 7, WMSZ_BOTTOMRIGHT = 8;
constexpr int GWL_WNDPROC = -4;
constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;
constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17,
              SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CYCAPTION = 4, SM_CYMENU = 15;
constexpr int LOGPIXELSX = 88, LOGPIXELSY = 90;
constexpr UINT ABM_GETSTATE = 4, ABM_GETTASKBARPOS = 5;
constexpr UINT ABS_AUTOHIDE = 1, ABS_ALWAYSONTOP = 2;
constexpr UINT ABE_LEFT = 0, ABE_TOP = 1, ABE_RIGHT = 2, ABE_BOTTOM = 3;
constexpr DWORD LOCALE_USER_DEFAULT = 0x0400, LOCALE_SABBREVLANGNAME = 0x0003;
constexpr UINT SPI_GETWORKAREA = 0x0030;

inline WPARAM MAKEWPARAM(unsigned lo, unsigned hi) { return (WPARAM)((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)); }
inline LPARAM MAKELPARAM(unsigned lo, unsigned hi) { return (LPARAM)(uint32_t)((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)); }
inline unsigned LOWORD(uintptr_t v) { return v & 0xFFFF; }
inline unsigned HIWORD(uintptr_t v) { return (v >> 16) & 0xFFFF; }

class TWinControl;

// The handle registry: a control's window handle, made on first use, starts
// with defaultProc as its window procedure. Handles are never reused, so a
// released handle is no window any more.
HWND AllocateWindowHandle(TWinControl* control, WNDPROC defaultProc);
void ReleaseWindowHandle(HWND wnd);
// The control behind a handle; nullptr for a released or unknown handle.
TWinControl* FindControl(HWND wnd);

// Passes the message to every call-window-procedure hook (the newest first),
// then to the window's current procedure; 0 for no window.
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProc(WNDPROC proc, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// GWL_WNDPROC: replaces the window's procedure and returns the previous one.
LONG_PTR SetWindowLong(HWND wnd, int index, LONG_PTR value);
LONG_PTR GetWindowLong(HWND wnd, int index);
HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId);
BOOL UnhookWindowsHookEx(HHOOK hook);
LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
DWORD GetCurrentThreadId();
bool IsWindow(HWND wnd);

int GetSystemMetrics(int index);
HDC GetDC(HWND wnd);
int ReleaseDC(HWND wnd, HDC dc);
int GetDeviceCaps(HDC dc, int index);
uintptr_t SHAppBarMessage(UINT message, APPBARDATA* data);
BOOL SystemParametersInfo(UINT action, UINT param, void* out, UINT winIni);
// Low byte: major version, next byte: minor version.
DWORD GetVersion();
int GetLocaleInfo(DWORD locale, DWORD type, char* data, int size);
BOOL IsIconic(HWND wnd);
BOOL IsZoomed(HWND wnd);
BOOL GetWindowRect(HWND wnd, RECT* rect);
BOOL MoveWindow(HWND wnd, int x, int y, int width, int height, BOOL repaint);
BOOL LockWindowUpdate(HWND wnd);

#endif
