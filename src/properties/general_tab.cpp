// The "General" tab: the window's identity and one of its class's GDI objects.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"

namespace vantry {

namespace {

std::string HexWindowLong(HWND window, int index) {
    return mAPI::HexPtr(static_cast<ULONG_PTR>(GetWindowLongPtrA(window, index)));
}

} // namespace

void frmProperties::FillGeneral(HWND window) {
    txtWinText.SetText(mAPI::ReadWindowCaption(window));
    txthWin.SetText(mAPI::HexStr8(mAPI::HandleToInt(window)));
    txtWindowProc.SetText(HexWindowLong(window, GWLP_WNDPROC));
    txthInstance.SetText(HexWindowLong(window, GWLP_HINSTANCE));
    // A control id is a number, however wide the slot that holds it.
    txtWndID.SetText(mAPI::HexStr8(static_cast<std::int32_t>(GetWindowLongPtrA(window, GWLP_ID))));
    txtUserData.SetText(HexWindowLong(window, GWLP_USERDATA));
    ShowGDIObject(window);
}

void frmProperties::ShowGDIObject(HWND window) {
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
