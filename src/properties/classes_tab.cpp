// The "Classes" tab: the registration data of the window's class.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"

namespace vantry {

namespace {

std::string Hex(DWORD value) {
    return mAPI::HexStr8(static_cast<std::int32_t>(value));
}

} // namespace

void frmProperties::FillClassInfo(HWND window) {
    txtClassName.SetText(mAPI::ReadClassName(window));
    txtClassStyles.SetText(Hex(GetClassLongA(window, GCL_STYLE)));
    FillClassStyles(GetClassLongA(window, GCL_STYLE));
    txtClasshModule.SetText(Hex(GetClassLongA(window, GCL_HMODULE)));
    txtClassWinProc.SetText(Hex(GetClassLongA(window, GCL_WNDPROC)));
    txtAtom.SetText(Hex(GetClassLongA(window, GCW_ATOM)));
    const DWORD menuName = GetClassLongA(window, GCL_MENUNAME);
    // An integer menu id, or an address that is not readable here, reads as the empty text.
    txtMenuName.SetText(menuName != 0 ? mAPI::PtrToStr(menuName) : "(None)");
    txtExMem.SetText(
        mAPI::FormatByteCount(static_cast<LONG>(GetClassLongA(window, GCL_CBCLSEXTRA))));
    txtWinEx.SetText(
        mAPI::FormatByteCount(static_cast<LONG>(GetClassLongA(window, GCL_CBWNDEXTRA))));
}

} // namespace vantry
