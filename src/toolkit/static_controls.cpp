#include "toolkit/static_controls.h"

#include "core/mapi_win.h"
#include "toolkit/app.h"

#include <algorithm>
#include <cstdlib>

namespace tk {

void Label::Create(Form& parent) {
    // A label one line high shows as much of its line as fits instead of wrapping the rest
    // onto a line nobody sees.
    oneLine_ = Design().height < 2 * 195;
    CreateChild(parent, "STATIC", WS_VISIBLE | (oneLine_ ? SS_LEFTNOWORDWRAP : SS_LEFT), 0,
                caption_.c_str());
    FitText();
}

void Label::FitText() {
    // The design's twips were measured with another font; where the screen's font is wider,
    // the label grows to its text rather than cutting it: a line grows wider, wrapped lines
    // grow taller.
    RECT client{};
    GetClientRect(hWnd(), &client);
    RECT needed = client;
    const mAPI::WindowDC dc(hWnd());
    const HGDIOBJ old =
        SelectObject(dc.get(), reinterpret_cast<HFONT>(SendMessageA(hWnd(), WM_GETFONT, 0, 0)));
    const std::wstring text = mAPI::Widen(caption_, CP_ACP);
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_EXPANDTABS | (oneLine_ ? DT_SINGLELINE : DT_WORDBREAK));
    SelectObject(dc.get(), old);
    const int width = std::max(client.right, needed.right);
    const int height = oneLine_ ? client.bottom : std::max(client.bottom, needed.bottom);
    if (width != client.right || height != client.bottom) {
        const RECT place = PixelRect();
        MovePixels(place.left, place.top, width, height);
    }
}

std::string Label::Caption() const {
    if (!hWnd()) {
        return caption_;
    }
    return mAPI::ReadWindowCaption(hWnd());
}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (hWnd()) {
        SetWindowTextA(hWnd(), caption.c_str());
        FitText();
    }
}

namespace {

constexpr char kLineClass[] = "Vantry.Line";

TwipsRect LineRect(int x1, int y1, int x2, int y2) {
    // At least one pixel thick, whatever the DPI.
    const int onePixel = ToTwips(1) > 0 ? ToTwips(1) : 15;
    return {std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), onePixel),
            std::max(std::abs(y2 - y1), onePixel)};
}

} // namespace

Line::Line(int x1, int y1, int x2, int y2, std::uint32_t color)
    : Control(LineRect(x1, y1, x2, y2)), color_(color) {}

void Line::Create(Form& parent) {
    EnsureWindowClass(kLineClass, &GuardedWindowProc<&Line::WindowProc>);
    HWND window = CreateChild(parent, kLineClass, WS_VISIBLE);
    SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(color_));
}

void Line::SetColor(std::uint32_t color) {
    color_ = color;
    if (hWnd()) {
        SetWindowLongPtrA(hWnd(), GWLP_USERDATA, static_cast<LONG_PTR>(color_));
        InvalidateRect(hWnd(), nullptr, FALSE);
    }
}

LRESULT CALLBACK Line::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        const auto color = static_cast<std::uint32_t>(GetWindowLongPtrA(window, GWLP_USERDATA));
        const mAPI::Brush brush(CreateSolidBrush(ResolveColor(color)));
        RECT client{};
        GetClientRect(window, &client);
        FillRect(dc, &client, brush.get());
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ImageBox::Create(Form& parent) {
    CreateChild(parent, "STATIC", WS_VISIBLE | SS_ICON);
}

void ImageBox::SetIcon(HICON icon) {
    SendMessageA(hWnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

} // namespace tk
