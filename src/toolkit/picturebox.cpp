#include "toolkit/picturebox.h"

#include "toolkit/app.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {

namespace {

constexpr char kPictureClass[] = "Vantry.PictureBox";

} // namespace

PictureBox::PictureBox(PictureBoxDesign design)
    : Control(design.place), backColor_(design.backColor), visible_(design.visible) {}

PictureBox::~PictureBox() {
    if (hWnd()) {
        SetWindowObject(hWnd(), nullptr); // the window may outlive us by a moment
    }
}

void PictureBox::Create(Form& parent) {
    EnsureWindowClass(kPictureClass, &GuardedWindowProc<&PictureBox::WindowProc>);

    toolTip_ = nullptr; // a new window gets a new tooltip
    HWND window = CreateChild(parent, kPictureClass, visible_ ? WS_VISIBLE : 0);
    SetWindowObject(window, this);
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;

    MakeSurface();
}

void PictureBox::MakeSurface() {
    surface_ = MemorySurface(width_, height_);
    Cls();
}

void PictureBox::SetPixelSize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    RECT frame{0, 0, width_, height_};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hWnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hWnd(), GWL_EXSTYLE)));
    SetWindowPos(hWnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MakeSurface();
}

void PictureBox::FollowSize(int width, int height) {
    if (!surface_ || (width == width_ && height == height_)) {
        return;
    }
    width_ = width;
    height_ = height;
    surface_.Resize(width, height, ResolveColor(backColor_));
}

void PictureBox::Cls() {
    surface_.Fill(ResolveColor(backColor_));
}

void PictureBox::PSet(int x, int y, std::uint32_t color) {
    SetPixelV(surface_.hdc(), x, y, ResolveColor(color));
}

COLORREF PictureBox::Point(int x, int y) const {
    return GetPixel(surface_.hdc(), x, y);
}

void PictureBox::SetToolTipText(const std::string& text) {
    toolTipText_ = text;
    if (!hWnd() || (toolTip_ && IsWindow(toolTip_))) {
        return;
    }
    // The tip asks the box for its text each time it shows (TTN_GETDISPINFO), so a text of
    // any length shows whole.
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               GetAncestor(hWnd(), GA_ROOT), nullptr, Instance(), nullptr);
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hWnd();
    tool.uId = reinterpret_cast<UINT_PTR>(hWnd());
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 2000);
}

void PictureBox::SetVisible(bool visible) {
    visible_ = visible;
    if (hWnd()) {
        ShowWindow(hWnd(), visible ? SW_SHOW : SW_HIDE);
    }
}

void PictureBox::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    const int shift = ShiftState();
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        SetCapture(hWnd());
        if (MouseDown) {
            MouseDown(MessageButton(message), shift, x, y);
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (MouseMove) {
            MouseMove(HeldButtons(wParam), shift, x, y);
        }
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        if (HeldButtons(wParam) == 0 && GetCapture() == hWnd()) {
            ReleaseCapture();
        }
        if (MouseUp) {
            MouseUp(MessageButton(message), shift, x, y);
        }
        break;
    }
    default:
        break;
    }
}

void PictureBox::Refresh() {
    // The box repaints from its bitmap as soon as the current message is handled; painting
    // at once would cost a full paint cycle per drawing during a refresh of many fields.
    if (hWnd()) {
        InvalidateRect(hWnd(), nullptr, FALSE);
    }
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* picture = static_cast<PictureBox*>(GetWindowObject(window));
    LRESULT forwarded = 0;
    if (message != WM_NOTIFY && ForwardToForm(window, message, wParam, lParam, forwarded)) {
        return forwarded; // a picture box may hold other controls
    }
    switch (message) {
    case WM_SIZE:
        if (picture) {
            picture->FollowSize(LOWORD(lParam), HIWORD(lParam));
            if (picture->Resize) {
                picture->Resize();
            }
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_NOTIFY: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        if (picture && (info->hdr.code == TTN_GETDISPINFOA || info->hdr.code == TTN_GETDISPINFOW)) {
            // An ANSI tip asks with the A code; the pointer stays valid while the text does.
            info->lpszText = const_cast<char*>(picture->toolTipText_.c_str());
            return 0;
        }
        if (ForwardToForm(window, message, wParam, lParam, forwarded)) {
            return forwarded;
        }
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (picture) {
            picture->OnMouse(message, wParam, lParam);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (picture && picture->surface_) {
            BitBlt(dc, 0, 0, picture->width_, picture->height_, picture->surface_.hdc(), 0, 0,
                   SRCCOPY);
        }
        EndPaint(window, &paint);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace tk
