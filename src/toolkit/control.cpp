#include "toolkit/control.h"

#include "core/guarded.h"
#include "core/mapi_win.h"

#include "toolkit/app.h"
#include "toolkit/form.h"

namespace tk {

namespace {

// A Unicode window's procedures are set and called as Unicode, so that its messages reach them
// unconverted.
WNDPROC SetProcedure(HWND window, WNDPROC procedure) {
    const auto value = reinterpret_cast<LONG_PTR>(procedure);
    return reinterpret_cast<WNDPROC>(IsWindowUnicode(window)
                                         ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                         : SetWindowLongPtrA(window, GWLP_WNDPROC, value));
}

LRESULT CallProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return IsWindowUnicode(window) ? CallWindowProcW(procedure, window, message, wParam, lParam)
                                   : CallWindowProcA(procedure, window, message, wParam, lParam);
}

} // namespace

Control::~Control() {
    if (hwnd_ && originalProc_ && IsWindow(hwnd_)) {
        // The window may outlive us by a moment; it must not call back into a dead object.
        SetProcedure(hwnd_, originalProc_);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    }
}

void Control::SubclassWindow() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    originalProc_ = SetProcedure(hwnd_, &Control::SubclassProc);
}

bool Control::SubclassMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Control::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallProcedure(originalProc_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control || control->hwnd_ != window) {
        return IsWindowUnicode(window) ? DefWindowProcW(window, message, wParam, lParam)
                                       : DefWindowProcA(window, message, wParam, lParam);
    }
    const WNDPROC original = control->originalProc_;
    if (message == WM_NCDESTROY) {
        SetProcedure(window, original);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        control->originalProc_ = nullptr;
        return CallProcedure(original, window, message, wParam, lParam);
    }
    const auto passOn = [&] { return CallProcedure(original, window, message, wParam, lParam); };
    return mAPI::Guarded(
        [&] {
            LRESULT result = 0;
            return control->SubclassMessage(message, wParam, lParam, result) ? result : passOn();
        },
        passOn);
}

RECT Control::PixelRect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Control::Left() const {
    return hwnd_ ? ToTwips(PixelRect().left) : design_.left;
}

int Control::Top() const {
    return hwnd_ ? ToTwips(PixelRect().top) : design_.top;
}

int Control::Width() const {
    if (!hwnd_) {
        return design_.width;
    }
    const RECT rect = PixelRect();
    return ToTwips(rect.right - rect.left);
}

int Control::Height() const {
    if (!hwnd_) {
        return design_.height;
    }
    const RECT rect = PixelRect();
    return ToTwips(rect.bottom - rect.top);
}

void Control::Move(int left, int top, int width, int height) {
    design_ = {left, top, width, height};
    if (hwnd_) {
        MoveWindow(hwnd_, ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height), TRUE);
    }
}

void Control::SetWidth(int width) {
    Move(Left(), Top(), width, Height());
}

void Control::SetHeight(int height) {
    Move(Left(), Top(), Width(), height);
}

void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::Visible() const {
    return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}

void Control::MovePixels(int left, int top, int width, int height) {
    MoveWindow(hwnd_, left, top, width, height, TRUE);
}

void Control::BringToFront() {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Control::OnNotify(NMHDR&, LRESULT&) {
    return false;
}

void Control::OnCommand(WORD, WORD) {}

void Control::OnParentResized() {}

HBRUSH Control::OnColor(HDC) {
    return nullptr;
}

HWND Control::CreateChild(Form& parent, const char* className, DWORD style, DWORD exStyle,
                          const char* text, Chars chars) {
    const int left = ToPixels(design_.left);
    const int top = ToPixels(design_.top);
    const int width = ToPixels(design_.width);
    const int height = ToPixels(design_.height);
    HWND owner = container_ ? container_->hWnd() : parent.hWnd();
    hwnd_ = chars == Chars::Unicode
                ? CreateWindowExW(exStyle, mAPI::Widen(className, CP_ACP).c_str(),
                                  mAPI::Widen(text, CP_ACP).c_str(), WS_CHILD | style, left, top,
                                  width, height, owner, nullptr, Instance(), nullptr)
                : CreateWindowExA(exStyle, className, text, WS_CHILD | style, left, top, width,
                                  height, owner, nullptr, Instance(), nullptr);
    if (ownFont_ && !font_) {
        font_ = CreateFont(fontDesc_);
    }
    baseFont_ = ownFont_ ? font_.get() : parent.DefaultFont();
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(baseFont_), FALSE);
    return hwnd_;
}

POINT Control::ContextMenuPoint(LPARAM lParam, const RECT* current) const {
    if (lParam != -1) {
        return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    }
    POINT point{current ? current->left : 0, current ? current->bottom : 0};
    ClientToScreen(hWnd(), &point);
    return point;
}

} // namespace tk
