#include "properties/classes_tab.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "properties/styles_tab.h"

#include <array>

namespace vantry {

namespace {

std::string HexClassLong(HWND window, int index) {
    return mAPI::HexStr8(static_cast<std::int32_t>(GetClassLongA(window, index)));
}

std::string HexClassPtr(HWND window, int index) {
    return mAPI::HexPtr(GetClassLongPtrA(window, index));
}

} // namespace

// Labels at 180, fields at 1680.
ClassesTab::ClassesTab()
    : PropertiesTab("Classes"),
      l3dClassNameBack({1680, 120, 2655, 345}, SavedLight3D(std::nullopt)),
      txtClassName(Field({30, 30, 2595, 285})), txtClassStyles(Field({1680, 540, 915, 285})),
      cboClassStyles({2655, 540, 1680, 315}), txtClasshModule(Field({1680, 900, 2655, 285})),
      txtClassWinProc(Field({1680, 1230, 2655, 285})), txtAtom(Field({1680, 1560, 2655, 285})),
      txtMenuName(Field({1680, 1890, 2655, 285})), txtExMem(Field({1680, 2220, 2655, 285})),
      txtWinEx(Field({1680, 2550, 2655, 285})) {
    const std::array<const char*, 8> labels{
        "Class Name:", "Class Styles:", "Module Handle:", "Window Proc:",
        "Class Atom:", "Menu Name:",    "Extra Memory:",  "Window Extra Mem:"};
    const std::array<int, 8> tops{165, 585, 945, 1275, 1605, 1935, 2265, 2595};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        AddLabel(labels[i], 180, tops[i], 1470);
    }
    Place({&l3dClassNameBack, &txtClassStyles, &cboClassStyles, &txtClasshModule, &txtClassWinProc,
           &txtAtom, &txtMenuName, &txtExMem, &txtWinEx});
    Place(l3dClassNameBack, {&txtClassName});
}

std::vector<PropertiesTab::ReportLine> ClassesTab::Report() const {
    return Labelled({txtClassName.Text(), WithNames(txtClassStyles.Text(), cboClassStyles),
                     txtClasshModule.Text(), txtClassWinProc.Text(), txtAtom.Text(),
                     txtMenuName.Text(), txtExMem.Text(), txtWinEx.Text()});
}

void ClassesTab::Fill(HWND window) {
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

void ClassesTab::FillClassStyles(std::uint32_t classStyle) {
    ShowStyleNames(cboClassStyles, ClassStyleNames(), classStyle);
    if (cboClassStyles.Count() > 0) {
        cboClassStyles.SetListIndex(0);
    }
    cboClassStyles.SetEnabled(cboClassStyles.Count() > 0);
}

} // namespace vantry
