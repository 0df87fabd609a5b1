// The working half of the rescaling component: what it does on its owner
// window's messages. A re-fit when the screen size changed, the placement on
// the work area when the form is first shown, the maximized size, the limits
// of a sizing drag, and the rescale of every tracked control on each size
// change, followed by OnExitResize.
#include <algorithm>
#include <cstdio>

#include "formscaler/FormScaler.h"

namespace {

int Trunc(double v) { return static_cast<int>(v); }

enum Edge { EdgeNone = -1, EdgeTop = 0, EdgeLeft = 1, EdgeRight = 2, EdgeBottom = 3 };

// The registered component whose owner window is wnd; null when none is.
TFormScaler* ComponentOf(HWND wnd) {
    if (!wnd) return nullptr;
    for (void* entry : ScalerList) {
        TFormScaler* scaler = *static_cast<TFormScaler**>(entry);
        if (scaler && scaler->OwnerHandle() == wnd) return scaler;
    }
    return nullptr;
}

bool HandledMessage(UINT msg) {
    return msg == WM_SIZE || msg == WM_SHOWWINDOW || msg == WM_GETMINMAXINFO || msg == WM_NCPAINT || msg == WM_SIZING;
}

// Handles a message for the component registered for wnd, if it is switched on.
void Dispatch(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!HandledMessage(msg)) return;
    TFormScaler* scaler = ComponentOf(wnd);
    if (scaler && scaler->Enabled()) scaler->HandleMessage(wnd, msg, wParam, lParam);
}

}  // namespace

// ---------------------------------------------------------------- the two ways in

LRESULT ScalerHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(HookHandle, code, wParam, lParam);
    if (code == HC_ACTION) {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (message && message->hwnd && !ScalerList.empty())
            Dispatch(message->hwnd, message->message, message->wParam, message->lParam);
    }
    return 0;
}

LRESULT ScalerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TFormScaler* scaler = ComponentOf(wnd);
    if (!scaler) return DefWindowProc(wnd, msg, wParam, lParam);
    WNDPROC next = scaler->SavedWndProc();
    Dispatch(wnd, msg, wParam, lParam);
    // The component may have been switched off or freed by the handlers it ran.
    if (TFormScaler* still = ComponentOf(wnd); still && still->SavedWndProc()) next = still->SavedWndProc();
    return next ? CallWindowProc(next, wnd, msg, wParam, lParam) : DefWindowProc(wnd, msg, wParam, lParam);
}

void TFormScaler::HandleMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCPAINT && WinMinor == 10 && firstSizeDone_) {
        if (!IsIconic(wnd)) RefitToScreen(wnd);
    } else if (msg == WM_SHOWWINDOW && (wParam & 0xFF) == 1 && !firstSizeDone_) {
        if (!IsIconic(wnd)) Place(wnd);
    } else if (msg == WM_GETMINMAXINFO) {
        if (!IsIconic(wnd)) LimitMaximized(wnd, reinterpret_cast<MINMAXINFO*>(lParam));
    } else if (msg == WM_SIZING) {
        LimitDrag(reinterpret_cast<RECT*>(lParam));
    } else if (msg == WM_SIZE && wParam != SIZE_MINIMIZED) {
        Rescale(wnd, lParam);
    }
}

// ---------------------------------------------------------------- work area and placement

void TFormScaler::GetWorkArea(int& width, int& height, int& TaskbarEdge, APPBARDATA& taskbar, bool validTaskbar) {
    taskbar = APPBARDATA();
    taskbar.cbSize = 0;
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    TaskbarEdge = EdgeNone;
    if (WinMajor < 4) return;
    taskbar.cbSize = 36;
    uintptr_t state = SHAppBarMessage(ABM_GETSTATE, &taskbar);
    SHAppBarMessage(ABM_GETTASKBARPOS, &taskbar);
    RECT& r = taskbar.rc;
    r.top = std::max(r.top, 0L);
    r.left = std::max(r.left, 0L);
    r.right = std::min(r.right, static_cast<long>(width));
    r.bottom = std::min(r.bottom, static_cast<long>(height));
    if (r.right - r.left > r.bottom - r.top) TaskbarEdge = r.top > 0 ? EdgeBottom : EdgeTop;
    else TaskbarEdge = r.left > 0 ? EdgeRight : EdgeLeft;
    if (state == (ABS_AUTOHIDE | ABS_ALWAYSONTOP)) {
        // A taskbar that hides itself takes no room: it lies on its edge.
        switch (TaskbarEdge) {
            case EdgeTop: r.bottom = r.top; break;
            case EdgeLeft: r.right = r.left; break;
            case EdgeRight: r.left = r.right; break;
            default: r.top = r.bottom; break;
        }
    }
    if (validTaskbar) {
        if (TaskbarEdge == EdgeLeft || TaskbarEdge == EdgeRight) width -= static_cast<int>(r.right - r.left);
        else height -= static_cast<int>(r.bottom - r.top);
    }
}

void TFormScaler::PlaceForm(TForm* form, TScalerFormPos pos, bool validTaskbar, int height, int width) {
    if (!form) return;
    HWND wnd = form->Handle();
    if (IsZoomed(wnd)) return;
    int w, h, edge;
    APPBARDATA taskbar;
    GetWorkArea(w, h, edge, taskbar, validTaskbar);
    RECT r;
    GetWindowRect(wnd, &r);
    int x = static_cast<int>(r.left), y = static_cast<int>(r.top);
    if (x + width > w) x = w - width;
    if (y + height > h) y = h - height;
    switch (pos) {
        case rpDefault: break;
        case rpTopLeft: x = 0; y = 0; break;
        case rpTopCenter: x = (w - width) / 2; y = 0; break;
        case rpTopRight: x = w - width; y = 0; break;
        case rpMiddleLeft: x = 0; y = (h - height) / 2; break;
        case rpMiddleCenter: x = (w - width) / 2; y = (h - height) / 2; break;
        case rpMiddleRight: x = w - width; y = (h - height) / 2; break;
        case rpBottomLeft: x = 0; y = h - height; break;
        case rpBottomCenter: x = (w - width) / 2; y = h - height; break;
        case rpBottomRight: x = w - width; y = h - height; break;
    }
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (WinMinor == 0) {
        if (edge == EdgeTop && y < taskbar.rc.bottom) y = static_cast<int>(taskbar.rc.bottom);
        if (edge == EdgeLeft && x < taskbar.rc.right) x = static_cast<int>(taskbar.rc.right);
    }
    MoveWindow(wnd, x, y, width, height, 1);
}

void TFormScaler::RefitToScreen(HWND wnd) {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth == LastScreenWidth && screenHeight == LastScreenHeight) return;
    LastScreenWidth = screenWidth;
    LastScreenHeight = screenHeight;
    int w, h, edge;
    APPBARDATA taskbar;
    GetWorkArea(w, h, edge, taskbar, validTaskbar_);
    RECT r;
    GetWindowRect(wnd, &r);
    int width = std::min(static_cast<int>(r.right - r.left + 1), w);
    int height = std::min(static_cast<int>(r.bottom - r.top + 1), h);
    int x = static_cast<int>(r.left), y = static_cast<int>(r.top);
    if (x + width > w) x = w - width;
    if (y + height > h) y = h - height;
    MoveWindow(wnd, x, y, width, height, 1);
}

void TFormScaler::Place(HWND wnd) {
    LastScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    LastScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    int w, h, edge;
    APPBARDATA taskbar;
    GetWorkArea(w, h, edge, taskbar, validTaskbar_);
    int width = formWidth_, height = formHeight_;
    if (formWidth_ < 1 || formHeight_ < 1) {
        RECT r;
        GetWindowRect(wnd, &r);
        width = static_cast<int>(r.right - r.left + 1);
        height = static_cast<int>(r.bottom - r.top + 1);
    }
    PlaceForm(dynamic_cast<TForm*>(Owner()), formPos_, validTaskbar_, std::min(height, h), std::min(width, w));
}

// ---------------------------------------------------------------- size limits

void TFormScaler::LimitMaximized(HWND wnd, MINMAXINFO* info) {
    if (!info) return;
    int w, h, edge;
    APPBARDATA taskbar;
    GetWorkArea(w, h, edge, taskbar, validTaskbar_);
    const int tw = static_cast<int>(taskbar.rc.right - taskbar.rc.left);
    const int th = static_cast<int>(taskbar.rc.bottom - taskbar.rc.top);
    const bool limited = formMaxWidth_ > 0 && formMaxHeight_ > 0;
    int maxW, maxH;
    if (limited) {
        maxW = formMaxWidth_;
        maxH = formMaxHeight_;
    } else {
        if (info->ptMaxSize.x < 0) w -= static_cast<int>(info->ptMaxSize.x);
        if (info->ptMaxSize.y < 0) h -= static_cast<int>(info->ptMaxSize.y);
        maxW = w;
        maxH = h;
    }
    maxW = std::min(maxW, w);
    maxH = std::min(maxH, h);
    int posX = static_cast<int>(info->ptMaxPosition.x), posY = static_cast<int>(info->ptMaxPosition.y);
    if (limited) {
        RECT r;
        GetWindowRect(wnd, &r);
        if (r.left < 0) posX = edge == EdgeLeft ? tw : 0;
        else if (r.right <= w) posX = edge == EdgeLeft && r.left <= tw ? tw : static_cast<int>(r.left);
        else posX = w - maxW + (edge == EdgeLeft ? tw : 0);
        if (r.top < 0) posY = edge == EdgeTop ? th : 0;
        else if (r.bottom <= h) posY = edge == EdgeTop && r.top <= th ? th : static_cast<int>(r.top);
        else posY = h - maxH + (edge == EdgeTop ? th : 0);
        posX = std::max(posX, 0);
        posY = std::max(posY, 0);
    }
    if (WinMinor > 0) {
        if (edge == EdgeTop) posY -= th;
        if (edge == EdgeLeft) posX -= tw;
    }
    info->ptMaxSize = {maxW, maxH};
    info->ptMaxTrackSize = {maxW, maxH};
    info->ptMaxPosition = {posX, posY};
}

void TFormScaler::LimitDrag(RECT* rect) {
    if (!rect) return;
    if (formMaxWidth_ > 0 && formMaxHeight_ > 0) {
        if (rect->right - rect->left > formMaxWidth_) rect->right = rect->left + formMaxWidth_;
        if (rect->bottom - rect->top > formMaxHeight_) rect->bottom = rect->top + formMaxHeight_;
    }
    if (formMinWidth_ > 0 && formMinHeight_ > 0) {
        if (rect->right - rect->left < formMinWidth_) rect->right = rect->left + formMinWidth_;
        if (rect->bottom - rect->top < formMinHeight_) rect->bottom = rect->top + formMinHeight_;
    }
}

// ---------------------------------------------------------------- rescale

void TFormScaler::SyncControlList() {
    TComponent* owner = Owner();
    const int count = owner->ComponentCount();
    if (count == knownComponentCount_) return;
    if (count > knownComponentCount_) {
        for (int i = 0; i < count; ++i) {
            auto* control = dynamic_cast<TControl*>(owner->Components(i));
            if (!control || ResizeExcluded(control) || RecordOf(control->Name())) continue;
            ++addedCount_;
            if (Trim(control->Name()).empty()) {
                char name[32];
                std::snprintf(name, sizeof name, "ScalAdd%.4d", addedCount_);
                control->SetName(name);
            }
            // Renaming also gives a caption or text that held the old name the new one; it is not the user's.
            if ((HasPublishedProperty(control, "Caption") || HasPublishedProperty(control, "Text")) &&
                control->Caption().compare(0, 7, "ScalAdd") == 0)
                control->SetCaption("");
            auto record = std::make_unique<TCtrlInfo>();
            record->Name = control->Name();
            record->BaseXPending = lastXScale_ == 0;
            if (!record->BaseXPending) {
                record->BaseLeft = Trunc(control->Left() / lastXScale_ + 0.5);
                record->BaseWidth = Trunc(control->Width() / lastXScale_ + 0.5);
            }
            record->BaseYPending = lastYScale_ == 0;
            if (!record->BaseYPending) {
                record->BaseTop = Trunc(control->Top() / lastYScale_ + 0.5);
                record->BaseHeight = Trunc(control->Height() / lastYScale_ + 0.5);
            }
            record->LastLeft = control->Left();
            record->LastTop = control->Top();
            record->LastWidth = control->Width();
            record->LastHeight = control->Height();
            GetFontSetting(record->BaseFont, control);
            if (record->BaseFont) {
                record->ParentFontNow = record->ParentFontBefore = control->ParentFont();
                if (lastFontScale_ != 0) record->BaseFont->SetSize(Trunc(control->Font()->Size() / lastFontScale_ + 0.5));
                record->LastFontSize = control->Font()->Size();
            }
            AddRecord(std::move(record));
        }
    } else {
        std::unordered_map<AnsiString, bool> present;
        for (int i = 0; i < count; ++i)
            if (auto* control = dynamic_cast<TControl*>(owner->Components(i))) present[control->Name()] = true;
        std::erase_if(ctrlInfoList_, [&](const std::unique_ptr<TCtrlInfo>& record) { return !present.count(record->Name); });
        RebuildIndex();
    }
    knownComponentCount_ = count;
}

void TFormScaler::UpdateParentFonts(bool before) {
    for (const Binding& b : Bindings()) {
        TCtrlInfo* record = b.record;
        if (!record || !record->BaseFont) continue;
        TControl* control = b.control;
        if (!before) {
            // A control that takes its parent's font gets the parent's freshly scaled one back.
            control->SetParentFont(record->ParentFontNow);
            continue;
        }
        record->ParentFontNow = control->ParentFont();
        control->SetParentFont(false);
        if (record->ParentFontNow == record->ParentFontBefore) continue;
        // The program switched ParentFont since the last pass: the font it shows now is the one to scale.
        if (lastFontScale_ != 0) {
            record->BaseFont->SetSize(Trunc(control->Font()->Size() / lastFontScale_ + 0.5));
            record->LastFontSize = control->Font()->Size();
        }
        record->ParentFontBefore = record->ParentFontNow;
    }
}

namespace {
// Resumes drawing of the window when the pass ends, however it ends.
struct DrawingSuspended {
    explicit DrawingSuspended(HWND wnd) { LockWindowUpdate(wnd); }
    ~DrawingSuspended() { LockWindowUpdate(nullptr); }
    DrawingSuspended(const DrawingSuspended&) = delete;
    DrawingSuspended& operator=(const DrawingSuspended&) = delete;
};
}  // namespace

void TFormScaler::Rescale(HWND wnd, LPARAM lParam) {
    const unsigned cx = LOWORD(static_cast<uintptr_t>(lParam)), cy = HIWORD(static_cast<uintptr_t>(lParam));
    double xScale = 1.0, yScale = 1.0;
    if (runDpiX_ != 0) xScale = (cx / static_cast<double>(baseClientWidth_)) * (designDpiW_ / static_cast<double>(runDpiX_));
    if (runDpiY_ != 0) yScale = (cy / static_cast<double>(baseClientHeight_)) * (designDpiH_ / static_cast<double>(runDpiY_));
    const double fontScale = xScale <= yScale ? xScale : yScale;

    SyncControlList();
    // Before the owner's font changes, so that a control switched to its
    // parent's font has the font it shows at the last scales taken as its base.
    UpdateParentFonts(true);
    auto* form = dynamic_cast<TForm*>(Owner());
    if (resizeFont_ && ownerBaseFont_ && form && noFontNames_.IndexOf(ownerName_) < 0)
        form->Font()->SetSize(Trunc(ownerBaseFont_->Size() * fontScale + 0.5));
    bool rescaled = false;
    {
        DrawingSuspended suspended(wnd);
        for (const Binding& b : Bindings()) {
            TCtrlInfo* record = b.record;
            if (!record || b.excluded) continue;
            TControl* control = b.control;
            if (resizeFont_ && record->BaseFont) {
                int size = Trunc(record->BaseFont->Size() * fontScale);
                control->Font()->SetSize(size == 0 ? 1 : size);
            }
            // A control found while a scale was 0 keeps its place in that
            // direction until a scale there is not 0, and is taken as being at it.
            if (record->BaseXPending && xScale != 0) {
                record->BaseLeft = Trunc(control->Left() / xScale + 0.5);
                record->BaseWidth = Trunc(control->Width() / xScale + 0.5);
                record->BaseXPending = false;
            }
            if (record->BaseYPending && yScale != 0) {
                record->BaseTop = Trunc(control->Top() / yScale + 0.5);
                record->BaseHeight = Trunc(control->Height() / yScale + 0.5);
                record->BaseYPending = false;
            }
            // A place or size of 0 becomes 1, so a control at the parent's edge ends one pixel in.
            auto scaled = [](int base, double scale) {
                int v = Trunc(base * scale + 0.5);
                return v == 0 ? 1 : v;
            };
            const bool keepX = record->BaseXPending, keepY = record->BaseYPending;
            control->SetBounds(keepX ? control->Left() : scaled(record->BaseLeft, xScale),
                               keepY ? control->Top() : scaled(record->BaseTop, yScale),
                               keepX ? control->Width() : scaled(record->BaseWidth, xScale),
                               keepY ? control->Height() : scaled(record->BaseHeight, yScale));
            record->LastLeft = control->Left();
            record->LastTop = control->Top();
            record->LastWidth = control->Width();
            record->LastHeight = control->Height();
            if (record->BaseFont) record->LastFontSize = control->Font()->Size();
            rescaled = true;
        }
        // Still with drawing suspended, so that the window shows each control's
        // font once: the one of its parent where it takes it from there.
        UpdateParentFonts(false);
    }
    // The scales of the last pass change only when it rescaled a control.
    if (rescaled) {
        lastXScale_ = xScale;
        lastYScale_ = yScale;
        lastFontScale_ = fontScale;
    }

    if (formMaxWidth_ > 0 && formMaxHeight_ > 0 && IsZoomed(wnd)) {
        int w, h, edge;
        APPBARDATA taskbar;
        GetWorkArea(w, h, edge, taskbar, validTaskbar_);
        if (validTaskbar_) {
            if (edge == EdgeTop) h += static_cast<int>(taskbar.rc.bottom - taskbar.rc.top);
            if (edge == EdgeLeft) w += static_cast<int>(taskbar.rc.right - taskbar.rc.left);
        }
        RECT r;
        GetWindowRect(wnd, &r);
        if (r.bottom > h || r.right > w) {
            int y = r.bottom > h ? h - static_cast<int>(r.bottom - r.top) : static_cast<int>(r.top);
            int x = r.right > w ? w - static_cast<int>(r.right - r.left) : static_cast<int>(r.left);
            MoveWindow(wnd, x, y, static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top), 1);
        }
    }
    if (OnExitResize) OnExitResize(this, xScale, yScale);
    firstSizeDone_ = true;
}
