#include "properties/general_tab.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "toolkit/app.h"

#include <array>

namespace vantry {

namespace {

std::string HexWindowLong(HWND window, int index) {
    return mAPI::HexPtr(static_cast<ULONG_PTR>(GetWindowLongPtrA(window, index)));
}

} // namespace

// Labels at 180, fields at 1560 and 2775 wide.
GeneralTab::GeneralTab(TabHost& host)
    : PropertiesTab("General"), l3dWinTextBack({1560, 120, 2775, 345}, SavedLight3D(std::nullopt)),
      txtWinText(Field({30, 30, 2715, 285})), txthWin(Field({1560, 540, 2775, 285})),
      txtWindowProc(Field({1560, 870, 2775, 285})), txthInstance(Field({1560, 1200, 2775, 285})),
      txtWndID(Field({1560, 1530, 2775, 285})), txtUserData(Field({1560, 1860, 2775, 285})),
      cboGDI({1560, 2190, 1455, 315}), txtGDIHandle(Field({1560, 2565, 1455, 285})),
      l3dGDIBack({3240, 2190, 600, 600}, SavedLight3D(tk::SystemColor(COLOR_3DLIGHT))),
      picDraw({.place = {30, 30, 540, 540}, .backColor = tk::SystemColor(COLOR_3DLIGHT)}),
      host_(host) {
    const std::array<const char*, 6> labels{"Window Caption:",  "Window Handle:", "Window Proc:",
                                            "Instance Handle:", "Window ID:",     "User Data:"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        AddLabel(labels[i], 180, 165 + 330 * static_cast<int>(i) + (i == 0 ? 0 : 45));
    }
    AddLabel("GDI-Objekte:", 180, 2235);
    Place({&l3dWinTextBack, &txthWin, &txtWindowProc, &txthInstance, &txtWndID, &txtUserData,
           &cboGDI, &txtGDIHandle, &l3dGDIBack});
    Place(l3dWinTextBack, {&txtWinText});
    Place(l3dGDIBack, {&picDraw});
}

void GeneralTab::Load() {
    cboGDI.AddItem("Icon", GCLP_HICON);
    cboGDI.AddItem("Small Icon", GCLP_HICONSM);
    cboGDI.AddItem("Cursor", GCLP_HCURSOR);
    cboGDI.AddItem("Background Brush", GCLP_HBRBACKGROUND);
    cboGDI.SetListIndex(0);
    // Connected once the first choice is made: the form refreshes when every tab has loaded.
    cboGDI.Click = [this] { host_.RefreshTabs(); };
}

std::vector<PropertiesTab::ReportLine> GeneralTab::Report() const {
    const int item = cboGDI.ListIndex();
    return Labelled({txtWinText.Text(), txthWin.Text(), txtWindowProc.Text(), txthInstance.Text(),
                     txtWndID.Text(), txtUserData.Text(),
                     (item >= 0 ? cboGDI.Item(item) + ", " : "") + txtGDIHandle.Text()});
}

void GeneralTab::Fill(HWND window) {
    txtWinText.SetText(mAPI::ReadWindowCaption(window));
    txthWin.SetText(mAPI::HexStr8(mAPI::HandleToInt(window)));
    txtWindowProc.SetText(HexWindowLong(window, GWLP_WNDPROC));
    txthInstance.SetText(HexWindowLong(window, GWLP_HINSTANCE));
    // A control id is a number, however wide the slot that holds it.
    txtWndID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(GetWindowLongPtrA(window, GWLP_ID))));
    txtUserData.SetText(HexWindowLong(window, GWLP_USERDATA));
    ShowGDIObject(window);
}

void GeneralTab::ShowGDIObject(HWND window) {
    const int item = cboGDI.ListIndex();
    const ULONG_PTR object = item >= 0 ? GetClassLongPtrA(window, cboGDI.ItemData(item)) : 0;
    picDraw.Cls();
    if (object == 0) {
        txtGDIHandle.SetText("(None)");
        picDraw.Refresh();
        return;
    }
    auto* picture = reinterpret_cast<HICON>(object);
    txtGDIHandle.SetText("Handle: " + mAPI::HexStr8(mAPI::HandleToInt(picture)));
    switch (item) {
    case 0: // "Icon"
    case 2: // "Cursor"
        DrawIconEx(picDraw.hdc(), 2, 2, picture, 32, 32, 0, nullptr, DI_NORMAL);
        break;
    case 1: // "Small Icon", centred
        DrawIconEx(picDraw.hdc(), 10, 10, picture, 16, 16, 0, nullptr, DI_NORMAL);
        break;
    default: // a brush is not drawn
        break;
    }
    picDraw.Refresh();
}

} // namespace vantry
