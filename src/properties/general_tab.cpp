// The "General" tab: the window's identity and one of its class's GDI objects.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"

namespace vantry {

namespace {

std::string Hex(LONG value) {
    return mAPI::HexStr8(static_cast<std::int32_t>(value));
}

} // namespace

void frmProperties::FillGeneral(HWND window) {
    txtWinText.SetText(mAPI::ReadWindowCaption(window));
    txthWin.SetText(mAPI::HexStr8(mAPI::HandleToInt(window)));
    txtWindowProc.SetText(Hex(GetWindowLongA(window, GWL_WNDPROC)));
    txthInstance.SetText(Hex(GetWindowLongA(window, GWL_HINSTANCE)));
    txtWndID.SetText(Hex(GetWindowLongA(window, GWL_ID)));
    txtUserData.SetText(Hex(GetWindowLongA(window, GWL_USERDATA)));
    ShowGDIObject(window);
}

void frmProperties::ShowGDIObject(HWND window) {
    const int item = cboGDI.ListIndex();
    const DWORD object = item >= 0 ? GetClassLongA(window, cboGDI.ItemData(item)) : 0;
    picDraw.Cls();
    if (object == 0) {
        txtGDIHandle.SetText("(None)");
        picDraw.Refresh();
        return;
    }
    txtGDIHandle.SetText("Handle: " + mAPI::HexStr8(static_cast<std::int32_t>(object)));
    auto* picture = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(object));
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
