// The "Classes" tab: the registration data of the window's class.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"

namespace vantry {

namespace {

std::string HexClassLong(HWND window, int index) {
    return mAPI::HexStr8(static_cast<std::int32_t>(GetClassLongA(window, index)));
}

std::string HexClassPtr(HWND window, int index) {
    return mAPI::HexPtr(GetClassLongPtrA(window, index));
}

} // namespace

void frmProperties::FillClassInfo(HWND window) {
    txtClassName.SetText(mAPI::ReadClassName(window));
    txtClassStyles.SetText(HexClassLong(window, GCL_STYLE));
    FillClassStyles(GetClassLongA(window, GCL_STYLE));
    txtClasshModule.SetText(HexClassPtr(window, GCLP_HMODULE));
    txtClassWinProc.SetText(HexClassPtr(window, GCLP_WNDPROC));
    txtAtom.SetText(HexClassLong(window, GCW_ATOM));
    const ULONG_PTR menuName = GetClassLongPtrA(window, GCLP_MENUNAME);
    // An integer menu id, or an address that is not readable here, reads as the empty text.
    txtMenuName.SetText(menuName != 0 ? mAPI::PtrToStr(menuName) : "(None)");
    txtExMem.SetText(
        mAPI::FormatByteCount(static_cast<LONG>(GetClassLongA(window, GCL_CBCLSEXTRA))));
    txtWinEx.SetText(
        mAPI::FormatByteCount(static_cast<LONG>(GetClassLongA(window, GCL_CBWNDEXTRA))));
}

} // namespace vantry
