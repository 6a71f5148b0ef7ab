// The "Style-bits" tab, and the decoded class styles of the "Classes" tab.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "properties/style_tables.h"

namespace vantry {

namespace {

template <typename List>
void FillNames(List& list, std::span<const StyleName> table, std::uint32_t value) {
    list.Clear();
    for (const std::string_view name : StyleNamesOf(table, value)) {
        list.AddItem(std::string(name));
    }
}

} // namespace

void frmProperties::FillStyles(HWND window) {
    const auto style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    txtWindowStyles.SetText(mAPI::HexStr8(static_cast<std::int32_t>(style)));
    txtExStyles.SetText(mAPI::HexStr8(static_cast<std::int32_t>(exStyle)));
    FillNames(lstWinStyles, WindowStyleNames(), style);
    FillNames(lstExStyles, ExtendedStyleNames(), exStyle);
}

void frmProperties::FillClassStyles(std::uint32_t classStyle) {
    FillNames(cboClassStyles, ClassStyleNames(), classStyle);
    if (cboClassStyles.Count() > 0) {
        cboClassStyles.SetListIndex(0);
    }
    cboClassStyles.SetEnabled(cboClassStyles.Count() > 0);
}

} // namespace vantry
