#include "controls/light3d.h"

#include "toolkit/app.h"
#include "toolkit/form.h"
#include "toolkit/mouse.h"

#include <cmath>

namespace vantry {

namespace {

constexpr char kLight3DClass[] = "Vantry.Light3D";

// The design of the four lines, in twips, for the design size 3495 x 1575; all sunken.
constexpr int kDesignRight = 3480;
constexpr int kDesignBottom = 1560;
constexpr int kDesignAboveTop = 225;

} // namespace

Light3D::Light3D(tk::TwipsRect design, std::optional<tk::PropertyBag> saved)
    : Control(design), saved_(std::move(saved)),
      lin3D_{{{0, 0, kDesignRight, 0, kShadowColor},
              {0, 0, 0, kDesignBottom, kShadowColor},
              {0, kDesignBottom, kDesignRight, kDesignBottom, kHighlightColor},
              {kDesignRight, kDesignBottom, kDesignRight, -kDesignAboveTop, kHighlightColor}}} {}

Light3D::~Light3D() {
    if (hWnd()) {
        tk::SetWindowObject(hWnd(), nullptr);
    }
}

void Light3D::Create(tk::Form& parent) {
    tk::EnsureWindowClass(kLight3DClass, &tk::GuardedWindowProc<&Light3D::WindowProc>,
                          CS_DBLCLKS | CS_OWNDC);
    HWND window =
        CreateChild(parent, kLight3DClass, WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT);
    tk::SetWindowObject(window, this);
    for (tk::Line& line : lin3D_) {
        line.SetContainer(*this);
        line.Create(parent);
    }
    ambientFont_ = tk::FontDesc{};
    if (saved_) {
        ReadProperties(*saved_, ambientFont_);
    } else {
        InitProperties(ambientFont_);
    }
    OnResize();
}

void Light3D::InitProperties(const tk::FontDesc& ambientFont) {
    SetFont(ambientFont);
    properties_.style = kSunken; // the lines have the sunken design colours already
}

void Light3D::ReadProperties(const tk::PropertyBag& bag, const tk::FontDesc& ambientFont) {
    const Light3DProperties read = ReadLight3D(bag, ambientFont);
    SetBackColor(read.backColor);
    SetForeColor(read.foreColor);
    SetEnabled(read.enabled);
    SetFont(read.font);
    SetBackStyle(read.backStyle);
    properties_.borderStyle = read.borderStyle;
    if (hWnd()) {
        LONG_PTR style = GetWindowLongPtrA(hWnd(), GWL_STYLE);
        style =
            read.borderStyle == 1 ? style | WS_BORDER : style & ~static_cast<LONG_PTR>(WS_BORDER);
        SetWindowLongPtrA(hWnd(), GWL_STYLE, style);
        SetWindowPos(hWnd(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    SetPicture(read.picture);
    SetAutoRedraw(read.autoRedraw);
    properties_.style = read.style;
    SetStyle(read.style);
}

void Light3D::WriteProperties(tk::PropertyBag& bag, const tk::FontDesc& ambientFont) const {
    WriteLight3D(properties_, bag, ambientFont);
}

void Light3D::Notify(std::string_view key) {
    if (PropertyChanged) {
        PropertyChanged(key);
    }
}

void Light3D::Repaint() {
    if (hWnd()) {
        InvalidateRect(hWnd(), nullptr, TRUE);
    }
}

void Light3D::SetForeColor(std::uint32_t color) {
    properties_.foreColor = color;
    SetTextColor(hdc(), tk::ResolveColor(color));
    Notify("ForeColor");
}

void Light3D::SetEnabled(bool enabled) {
    properties_.enabled = enabled;
    if (hWnd()) {
        EnableWindow(hWnd(), enabled);
    }
    Notify("Enabled");
}

void Light3D::SetFont(const tk::FontDesc& font) {
    properties_.font = font;
    font_ = tk::CreateFont(font);
    if (hWnd()) {
        SendMessageA(hWnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SelectObject(hdc(), font_.get());
    }
    Notify("Font");
}

void Light3D::SetBackStyle(std::int16_t backStyle) {
    properties_.backStyle = backStyle;
    Repaint();
    Notify("BackStyle");
}

void Light3D::SetPicture(tk::PictureRef picture) {
    properties_.picture = picture;
    Repaint();
    Notify("Picture");
}

void Light3D::SetAutoRedraw(bool autoRedraw) {
    properties_.autoRedraw = autoRedraw;
    MakeSurface();
    Notify("AutoRedraw");
}

void Light3D::SetBackColor(std::uint32_t color) {
    properties_.backColor = color;
    SetBkColor(hdc(), tk::ResolveColor(color));
    Repaint();
    Notify("BackColor");
}

void Light3D::SetStyle(std::int16_t style) {
    const auto colors = FrameColors(style);
    for (std::size_t i = 0; i < lin3D_.size(); ++i) {
        lin3D_[i].SetColor(colors[i]);
    }
    properties_.style = style;
    Notify("Style");
}

HDC Light3D::hdc() const {
    if (properties_.autoRedraw) {
        return surface_.hdc();
    }
    return hWnd() ? GetDC(hWnd()) : nullptr; // the class's own DC: nothing to give back
}

void Light3D::MakeSurface() {
    surface_ = tk::MemorySurface();
    if (!properties_.autoRedraw || !hWnd()) {
        return;
    }
    RECT client{};
    GetClientRect(hWnd(), &client);
    surface_ = tk::MemorySurface(client.right, client.bottom);
    SelectObject(surface_.hdc(), font_.get());
    SetTextColor(surface_.hdc(), tk::ResolveColor(properties_.foreColor));
    SetBkColor(surface_.hdc(), tk::ResolveColor(properties_.backColor));
    Cls();
}

void Light3D::Cls() {
    if (properties_.autoRedraw && surface_) {
        Paint(surface_.hdc());
    }
    Repaint();
}

void Light3D::Refresh() {
    if (hWnd()) {
        InvalidateRect(hWnd(), nullptr, FALSE);
        UpdateWindow(hWnd());
    }
}

void Light3D::PSet_(float x, float y, std::uint32_t color) {
    const auto [px, py] =
        SurfacePoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    SetPixelV(hdc(), px, py, tk::ResolveColor(color));
    if (properties_.autoRedraw && hWnd()) {
        const RECT pixel{px, py, px + 1, py + 1};
        InvalidateRect(hWnd(), &pixel, FALSE);
    }
}

// The background: the back colour when opaque, then the picture at the top left.
void Light3D::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hWnd(), &client);
    if (properties_.backStyle == 1) {
        const mAPI::Brush brush(CreateSolidBrush(tk::ResolveColor(properties_.backColor)));
        FillRect(dc, &client, brush.get());
    }
    if (properties_.picture.handle) {
        auto* picture = reinterpret_cast<HBITMAP>(properties_.picture.handle);
        BITMAP info{};
        GetObjectA(picture, sizeof info, &info);
        const mAPI::MemoryDC source(CreateCompatibleDC(dc));
        const mAPI::SelectGuard select(source.get(), picture);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
}

void Light3D::OnResize() {
    if (Resize) {
        Resize(); // before the lines move
    }
    RECT client{};
    GetClientRect(hWnd(), &client);
    const auto lines = FrameLines(client.right, client.bottom, tk::ToPixels(kDesignAboveTop));
    for (std::size_t i = 0; i < lin3D_.size(); ++i) {
        const vantry::PixelRect rect = LineRect(lines[i]);
        lin3D_[i].MovePixels(rect.left, rect.top, rect.width, rect.height);
    }
}

LRESULT CALLBACK Light3D::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT forwarded = 0;
    if (tk::ForwardToForm(window, message, wParam, lParam, forwarded)) {
        return forwarded;
    }
    auto* control = static_cast<Light3D*>(tk::GetWindowObject(window));
    if (!control) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return control->HandleMessage(message, wParam, lParam);
}

LRESULT Light3D::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    auto shift = static_cast<std::int16_t>(tk::ShiftState());
    float x = static_cast<short>(LOWORD(lParam));
    float y = static_cast<short>(HIWORD(lParam));
    auto raiseMouse = [&](const MouseEvent& event, std::int16_t button) {
        if (event) {
            event(button, shift, x, y);
        }
    };
    switch (message) {
    case WM_ERASEBKGND:
        if (!properties_.autoRedraw) {
            Paint(reinterpret_cast<HDC>(wParam));
        }
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hWnd(), &paint);
        if (properties_.autoRedraw && surface_) {
            BitBlt(dc, 0, 0, paint.rcPaint.right, paint.rcPaint.bottom, surface_.hdc(), 0, 0,
                   SRCCOPY);
        }
        EndPaint(hWnd(), &paint);
        return 0;
    }
    case WM_SIZE:
        if (lin3D_[3].hWnd()) {
            if (properties_.autoRedraw) {
                MakeSurface();
            }
            OnResize();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hWnd());
        raiseMouse(MouseDown, static_cast<std::int16_t>(tk::MessageButton(message)));
        return 0;
    case WM_MOUSEMOVE:
        raiseMouse(MouseMove, static_cast<std::int16_t>(tk::HeldButtons(wParam)));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (tk::HeldButtons(wParam) == 0 && GetCapture() == hWnd()) {
            ReleaseCapture();
        }
        raiseMouse(MouseUp, static_cast<std::int16_t>(tk::MessageButton(message)));
        if (Click) {
            Click();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (DblClick) {
            DblClick();
        }
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        std::int16_t keyCode = static_cast<std::int16_t>(wParam);
        const auto& event = message == WM_KEYDOWN ? KeyDown : KeyUp;
        if (event) {
            event(keyCode, shift);
        }
        return 0;
    }
    case WM_CHAR: {
        std::int16_t keyAscii = static_cast<std::int16_t>(wParam);
        if (KeyPress) {
            KeyPress(keyAscii);
        }
        return 0;
    }
    default:
        return DefWindowProcA(hWnd(), message, wParam, lParam);
    }
}

} // namespace vantry
