#include "properties/position_tab.h"

#include "core/mapi_win.h"
#include "model/position_text.h"
#include "properties/monitor_picture.h"
#include "toolkit/app.h"
#include "toolkit/memory_surface.h"

namespace vantry {

namespace {

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

PositionTab::PositionTab(TabHost& host)
    : PropertiesTab("Position"), txtWinRect(Field({1380, 180, 2955, 285})),
      txtClientRect(Field({1380, 540, 2955, 285})), txtCurState(Field({1380, 900, 2955, 285})),
      chkVisible({420, 1290, 1500, 255}, "Visible"), chkEnabled({420, 1590, 1500, 255}, "Enabled"),
      chkUnicode({420, 1890, 1500, 255}, "Unicode"),
      l3dWinPrevBack({2550, 1470, 1785, 1365}, SavedLight3D(tk::SystemColor(COLOR_3DLIGHT))),
      imgMontr({.place = {180, 120, 1425, 1125}, .backColor = tk::SystemColor(COLOR_3DLIGHT)}),
      // Over the monitor's screen: (300, 210) in the frame, so (120, 90) in the monitor.
      picDesktop({.place = {120, 90, 1185, 900}, .backColor = tk::SystemColor(COLOR_BACKGROUND)}),
      host_(host) {
    AddLabel("Window Rect:", 120, 225, 1200);
    AddLabel("Client Rect:", 120, 585, 1200);
    AddLabel("Current State:", 120, 945, 1200);
    Place({&txtWinRect, &txtClientRect, &txtCurState, &chkVisible, &chkEnabled, &chkUnicode,
           &l3dWinPrevBack});
    Place(l3dWinPrevBack, {&imgMontr});
    Place(imgMontr, {&picDesktop});
    for (tk::CheckBox* box : {&chkVisible, &chkEnabled, &chkUnicode}) {
        // The boxes only show: they snap back to the window's real state.
        box->Click = [this] { Fill(host_.CurrentWindow()); };
    }
}

void PositionTab::Load() {
    imgMontr.Cls();
    const COLORREF face = tk::ResolveColor(tk::SystemColor(COLOR_3DLIGHT));
    const pictures::Image monitor = DrawMonitorPicture(
        static_cast<pictures::Rgb>(GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face)));
    BitBlt(imgMontr.hdc(), 0, 0, kMonitorWidth, kMonitorHeight, tk::MemorySurface(monitor).hdc(), 0,
           0, SRCCOPY);
}

std::vector<PropertiesTab::ReportLine> PositionTab::Report() const {
    std::vector<ReportLine> lines =
        Labelled({txtWinRect.Text(), txtClientRect.Text(), txtCurState.Text()});
    for (const tk::CheckBox* box : {&chkVisible, &chkEnabled, &chkUnicode}) {
        lines.emplace_back(box->Caption() + ":", box->Value() ? "yes" : "no");
    }
    return lines;
}

void PositionTab::Fill(HWND window) {
    RECT windowRect{};
    GetWindowRect(window, &windowRect);
    txtWinRect.SetText(RectText(mAPI::BoxOf(windowRect)));
    RECT clientRect{};
    GetClientRect(window, &clientRect);
    txtClientRect.SetText(RectText(mAPI::BoxOf(clientRect)));
    const bool iconic = IsIconic(window) != 0;
    txtCurState.SetText(StateText(iconic, !iconic && IsZoomed(window) != 0));
    chkVisible.SetValue(IsWindowVisible(window) ? 1 : 0);
    chkEnabled.SetValue(IsWindowEnabled(window) ? 1 : 0);
    chkUnicode.SetValue(IsWindowUnicode(window) ? 1 : 0);
    DrawWindowPreview(window, windowRect, clientRect);
}

void PositionTab::DrawWindowPreview(HWND window, const RECT& windowRect, const RECT& clientRect) {
    POINT topLeft{clientRect.left, clientRect.top};
    POINT bottomRight{clientRect.right, clientRect.bottom};
    ClientToScreen(window, &topLeft);
    ClientToScreen(window, &bottomRight);
    const PreviewScale scale(picDesktop.PixelWidth(), picDesktop.PixelHeight(),
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const bool visible = IsWindowVisible(window) != 0;
    picDesktop.Cls();
    const Box frame = scale.Map(mAPI::BoxOf(windowRect));
    FillBox(picDesktop.hdc(), frame, tk::SystemColor(COLOR_ACTIVECAPTION));
    FillBox(picDesktop.hdc(), scale.Map({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}),
            tk::SystemColor(visible ? COLOR_BTNFACE : COLOR_WINDOW));
    OutlineBox(picDesktop.hdc(), frame, tk::SystemColor(COLOR_WINDOWFRAME));
    picDesktop.Refresh();
}

} // namespace vantry
