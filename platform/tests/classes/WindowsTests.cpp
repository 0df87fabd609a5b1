// Window handles, procedures, hooks and the screen questions.
#include <gtest/gtest.h>

#include <vector>

#include "platform/scripted/ScriptedDesktop.h"
#include "platform/vcl/Windows.h"

namespace {

std::vector<std::string> calls;
WNDPROC previousProc = nullptr;
HHOOK selfRemovingHook = nullptr;

LRESULT BaseProc(HWND, UINT msg, WPARAM, LPARAM lParam) {
    calls.push_back("base " + std::to_string(msg));
    if (msg == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxSize.x = 800;
    return 1;
}

LRESULT ReplacementProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    calls.push_back("replacement");
    return CallWindowProc(previousProc, wnd, msg, wParam, lParam) + 10;
}

LRESULT OlderHook(int code, WPARAM, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPSTRUCT*>(lParam);
    calls.push_back("older hook " + std::to_string(code) + " " + std::to_string(message->message) + " " +
                    std::to_string(message->wParam));
    return 0;
}

LRESULT NewerHook(int, WPARAM, LPARAM) {
    calls.push_back("newer hook");
    UnhookWindowsHookEx(selfRemovingHook);
    return 0;
}

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        SetDesktop(&desktop);
        // The registry does not look at the control; tests need none.
        wnd = AllocateWindowHandle(nullptr, BaseProc);
    }
    void TearDown() override {
        ReleaseWindowHandle(wnd);
        SetDesktop(nullptr);
    }

    ScriptedDesktop desktop;
    HWND wnd = nullptr;
};

TEST_F(WindowsTest, HooksSeeAMessageBeforeTheWindowNewestFirst) {
    HHOOK older = SetWindowsHookEx(WH_CALLWNDPROC, OlderHook, nullptr, GetCurrentThreadId());
    selfRemovingHook = SetWindowsHookEx(WH_CALLWNDPROC, NewerHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(older, nullptr);

    EXPECT_EQ(SendMessage(wnd, WM_SIZE, SIZE_MAXIMIZED, 0), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"newer hook", "older hook 0 5 2", "base 5"}));

    // The newer hook removed itself while running.
    calls.clear();
    SendMessage(wnd, WM_SHOWWINDOW, 1, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"older hook 0 24 1", "base 24"}));
    EXPECT_TRUE(UnhookWindowsHookEx(older));
    EXPECT_FALSE(UnhookWindowsHookEx(older));
}

TEST_F(WindowsTest, AReplacedProcedureChainsToThePreviousOne) {
    previousProc = reinterpret_cast<WNDPROC>(SetWindowLong(wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(ReplacementProc)));
    EXPECT_EQ(previousProc, BaseProc);
    EXPECT_EQ(GetWindowLong(wnd, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(ReplacementProc));

    MINMAXINFO info;
    EXPECT_EQ(SendMessage(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 11);
    EXPECT_EQ(calls, (std::vector<std::string>{"replacement", "base 36"}));
    EXPECT_EQ(info.ptMaxSize.x, 800);

    // Putting the previous procedure back ends the chain there.
    SetWindowLong(wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    calls.clear();
    SendMessage(wnd, WM_SIZE, 0, 0);
    EXPECT_EQ(calls, std::vector<std::string>{"base 5"});
}

TEST_F(WindowsTest, AReleasedHandleIsNoWindow) {
    HWND other = AllocateWindowHandle(nullptr, BaseProc);
    EXPECT_NE(other, wnd);
    ReleaseWindowHandle(other);
    EXPECT_FALSE(IsWindow(other));
    EXPECT_TRUE(IsWindow(wnd));
    EXPECT_EQ(SendMessage(other, WM_SIZE, 0, 0), 0);
    EXPECT_EQ(SetWindowLong(other, GWL_WNDPROC, 0), 0);
    EXPECT_TRUE(calls.empty());
    // A handle of no form answers no window questions.
    RECT r;
    EXPECT_FALSE(GetWindowRect(wnd, &r));
    EXPECT_FALSE(IsZoomed(wnd));
}

TEST_F(WindowsTest, ScreenQuestionsComeFromTheDesktop) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYFULLSCREEN), 984);
    HDC dc = GetDC(nullptr);
    desktop.Ppi = 120;
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 120);
    ReleaseDC(nullptr, dc);

    APPBARDATA bar;
    EXPECT_EQ(SHAppBarMessage(ABM_GETTASKBARPOS, &bar), 1u);
    EXPECT_EQ(bar.uEdge, ABE_BOTTOM);
    EXPECT_EQ(bar.rc.top, 984);
    EXPECT_EQ(bar.rc.bottom, 1024);
    EXPECT_EQ(SHAppBarMessage(ABM_GETSTATE, &bar), ABS_ALWAYSONTOP);

    // A taskbar on the left edge that hides itself.
    desktop.Work = {60, 0, 1280, 1024};
    desktop.AutoHideTaskbar = true;
    SHAppBarMessage(ABM_GETTASKBARPOS, &bar);
    EXPECT_EQ(bar.uEdge, ABE_LEFT);
    EXPECT_EQ(bar.rc.right, 60);
    EXPECT_EQ(bar.rc.bottom, 1024);
    EXPECT_EQ(SHAppBarMessage(ABM_GETSTATE, &bar), ABS_ALWAYSONTOP | ABS_AUTOHIDE);

    desktop.Language = "JPN";
    char name[8];
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, name, sizeof name), 4);
    EXPECT_STREQ(name, "JPN");
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, name, 3), 0);
}

}  // namespace
