// The "Position" tab: rectangles, state, the three state flags and the screen miniature.
#include "properties/properties_form.h"

#include "properties/position_text.h"
#include "toolkit/app.h"

namespace vantry {

namespace {

Box BoxOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void FillBox(HDC dc, const Box& box, std::uint32_t color) {
    const RECT rect{box.left, box.top, box.right + 1, box.bottom + 1}; // corners inclusive
    const mAPI::Brush brush(CreateSolidBrush(tk::ResolveColor(color)));
    FillRect(dc, &rect, brush.get());
}

void OutlineBox(HDC dc, const Box& box, std::uint32_t color) {
    const RECT rect{box.left, box.top, box.right + 1, box.bottom + 1};
    const mAPI::Brush brush(CreateSolidBrush(tk::ResolveColor(color)));
    FrameRect(dc, &rect, brush.get());
}

} // namespace

void frmProperties::FillPosition(HWND window) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    txtWinRect.SetText(RectText(BoxOf(windowRect)));
    RECT clientRect{};
    GetClientRect(window, &clientRect);
    txtClientRect.SetText(RectText(BoxOf(clientRect)));
    const bool iconic = IsIconic(window) != 0;
    txtCurState.SetText(StateText(iconic, !iconic && IsZoomed(window) != 0));
    chkVisible.SetValue(IsWindowVisible(window) ? 1 : 0);
    chkEnabled.SetValue(IsWindowEnabled(window) ? 1 : 0);
    chkUnicode.SetValue(IsWindowUnicode(window) ? 1 : 0);
    DrawWindowPreview(window, windowRect, clientRect);
}

void frmProperties::DrawWindowPreview(HWND window, const RECT& windowRect, const RECT& clientRect) {
    POINT topLeft{clientRect.left, clientRect.top};
    POINT bottomRight{clientRect.right, clientRect.bottom};
    ClientToScreen(window, &topLeft);
    ClientToScreen(window, &bottomRight);
    const PreviewScale scale(picDesktop.PixelWidth(), picDesktop.PixelHeight(),
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const bool visible = IsWindowVisible(window) != 0;
    picDesktop.Cls();
    const Box frame = scale.Map(BoxOf(windowRect));
    FillBox(picDesktop.hdc(), frame, tk::SystemColor(COLOR_ACTIVECAPTION));
    FillBox(picDesktop.hdc(), scale.Map({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}),
            tk::SystemColor(visible ? COLOR_BTNFACE : COLOR_WINDOW));
    OutlineBox(picDesktop.hdc(), frame, tk::SystemColor(COLOR_WINDOWFRAME));
    picDesktop.Refresh();
}

} // namespace vantry
