// The "Style-bits" tab, and the style-name lists it shares with the "Classes" tab.
#pragma once

#include "model/style_tables.h"
#include "properties/properties_tab.h"
#include "toolkit/list_controls.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace vantry {

class StylesTab : public PropertiesTab {
  public:
    StylesTab();
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    tk::TextBox txtWindowStyles;
    tk::ListBox lstWinStyles;
    tk::TextBox txtExStyles;
    tk::ListBox lstExStyles;
};

// A value and the names a list shows for it, one name a line under it.
template <typename List> std::string WithNames(const std::string& value, const List& list) {
    std::string text = value;
    for (int i = 0; i < list.Count(); ++i) {
        text += "\r\n    " + list.Item(i);
    }
    return text;
}

// Shows the names of the bits set in value. A sorted list shows them in its own order; the same
// set needs no refill.
template <typename List>
void ShowStyleNames(List& list, std::span<const StyleName> table, std::uint32_t value) {
    const std::vector<std::string_view> names = StyleNamesOf(table, value);
    std::vector<std::string> shown;
    for (int i = 0; i < list.Count(); ++i) {
        shown.push_back(list.Item(i));
    }
    std::vector<std::string> wanted(names.begin(), names.end());
    std::sort(shown.begin(), shown.end());
    std::sort(wanted.begin(), wanted.end());
    if (shown == wanted) {
        return;
    }
    list.Clear();
    for (const std::string_view name : names) {
        list.AddItem(std::string(name));
    }
}

} // namespace vantry
