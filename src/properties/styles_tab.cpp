// The "Style-bits" tab, and the decoded class styles of the "Classes" tab.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "properties/style_tables.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantry {

namespace {

template <typename List>
void FillNames(List& list, std::span<const StyleName> table, std::uint32_t value) {
    const std::vector<std::string_view> names = StyleNamesOf(table, value);
    // A sorted list shows the names in its own order; the same set needs no refill.
    std::vector<std::string> shown;
    for (int i = 0; i < list.Count(); ++i) {
        shown.push_back(list.Item(i));
    }
    std::vector<std::string> wanted(names.begin(), names.end());
    std::vector<std::string> sortedShown = shown;
    std::sort(sortedShown.begin(), sortedShown.end());
    std::sort(wanted.begin(), wanted.end());
    if (sortedShown == wanted) {
        return;
    }
    list.Clear();
    for (const std::string_view name : names) {
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
