#include "properties/styles_tab.h"

#include "core/mapi.h"

namespace vantry {

StylesTab::StylesTab()
    : PropertiesTab("Style-bits"), txtWindowStyles(Field({1680, 150, 2655, 285})),
      lstWinStyles({.place = {120, 480, 4215, 1050}, .sorted = true}),
      txtExStyles(Field({1680, 1590, 2655, 285})),
      lstExStyles({.place = {120, 1920, 4215, 915}, .sorted = true}) {
    AddLabel("Window Styles:", 120, 195, 1500);
    AddLabel("Extended Styles:", 120, 1635, 1500);
    Place({&txtWindowStyles, &lstWinStyles, &txtExStyles, &lstExStyles});
}

std::vector<PropertiesTab::ReportLine> StylesTab::Report() const {
    return Labelled({WithNames(txtWindowStyles.Text(), lstWinStyles),
                     WithNames(txtExStyles.Text(), lstExStyles)});
}

void StylesTab::Fill(HWND window) {
    const auto style = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    txtWindowStyles.SetText(mAPI::HexStr8(static_cast<std::int32_t>(style)));
    txtExStyles.SetText(mAPI::HexStr8(static_cast<std::int32_t>(exStyle)));
    ShowStyleNames(lstWinStyles, WindowStyleNames(), style);
    ShowStyleNames(lstExStyles, ExtendedStyleNames(), exStyle);
}

} // namespace vantry
