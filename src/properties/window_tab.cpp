// The "Window" tab: related windows as links that navigate the main tree.
#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "core/version.h"
#include "properties/relations.h"
#include "toolkit/app.h"
#include "tree/main_form.h"

namespace vantry {

void frmProperties::FillRelations(HWND window) {
    const std::array<HWND, 5> related{GetWindow(window, GW_HWNDNEXT),
                                      GetWindow(window, GW_HWNDPREV), GetParent(window),
                                      GetWindow(window, GW_CHILD), GetWindow(window, GW_OWNER)};
    const auto links = Links();
    for (std::size_t i = 0; i < links.size(); ++i) {
        const std::int32_t handle = mAPI::HandleToInt(related[i]);
        links[i]->SetEnabled(handle != 0);
        links[i]->SetUnderline(handle != 0);
        links[i]->SetText(RelationText(handle));
    }
}

void frmProperties::Link_Click(tk::TextBox& link) {
    const std::string text = link.Text();
    const auto handle = mAPI::TryHexToLong(text);
    if (!handle || !main_.SelectWindow(*handle)) {
        ReportWindowNotFound(text);
        return;
    }
    DoRefresh();
}

void frmProperties::ReportWindowNotFound(const std::string& linkText) {
    tk::ShowMessageBox(hWnd(), WindowNotFoundText(linkText, main_.ShowsOnlyVisible()), VANTRY_TITLE,
                       MB_OK | MB_ICONEXCLAMATION);
}

} // namespace vantry
