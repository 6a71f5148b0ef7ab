#include "properties/properties_form.h"

#include "core/mapi.h"
#include "core/mapi_win.h"
#include "toolkit/clipboard.h"
#include "toolkit/menu.h"

namespace vantry {

frmProperties::frmProperties(WindowTreeHost& host)
    : CurrentWindowForm({"Window properties", 5010, 3960, tk::BorderStyle::FixedDialog}),
      tabProperties({120, 120, 4815, 3375}),
      fraIsNotWin({.place = {180, 480, 4455, 2955}, .border = false}),
      lblInvalidWin({240, 960, 3975, 255}, ""),
      cmdClose({.place = {2400, 3540, 1155, 345}, .caption = "&OK", .isDefault = true}),
      cmdRefresh({.place = {3720, 3540, 1155, 345}, .caption = "&Update"}), host_(host) {
    lblInvalidWin.SetFont({.bold = true});
    AddControl(cmdClose);
    AddControl(cmdRefresh);
    AddControl(tabProperties);
    for (PropertiesTab* tab : tabs) {
        tabProperties.AddTab(tab->Caption());
        for (tk::Control* control : tab->Controls()) {
            AddControl(*control);
        }
    }
    AddControl(fraIsNotWin);
    lblInvalidWin.SetContainer(fraIsNotWin);
    AddControl(lblInvalidWin);
    SetDialogButtons(cmdClose, cmdClose);

    AddShortcut({'C', true, true}, [this] { CopyReport(); });
    tabProperties.Click = [this] { ShowSelectedPanel(); };
    cmdRefresh.Click = [this] { DoRefresh(); };
    cmdClose.Click = [this] { Unload(); };
}

void frmProperties::Form_Load() {
    host_.PlaceBesideSelection(*this);
    for (PropertiesTab* tab : tabs) {
        tab->Load();
    }
    DoRefresh();
    ShowWindow(hWnd(), SW_SHOW);
}

void frmProperties::DoRefresh() {
    const std::int32_t handle = host_.GetCurhWnd();
    SetCaption("Window properties - " + mAPI::HexStr8(handle));
    HWND window = mAPI::IntToHandle<HWND>(handle);
    if (!ValidateWindow(window)) {
        return; // the hidden panels keep what the last valid refresh put there
    }
    for (PropertiesTab* tab : tabs) {
        tab->Fill(window);
    }
}

std::string frmProperties::ReportText() const {
    std::string text = Caption() + "\r\n";
    for (const PropertiesTab* tab : tabs) {
        text += "\r\n" + tab->Caption() + "\r\n";
        for (const auto& [label, value] : tab->Report()) {
            text += label + " " + value + "\r\n";
        }
    }
    return text;
}

void frmProperties::CopyReport() {
    tk::CopyText(hWnd(), ReportText());
}

bool frmProperties::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_CONTEXTMENU) {
        return false;
    }
    // From the keyboard the menu opens at the form's corner.
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {
        at = {0, 0};
        ClientToScreen(hWnd(), &at);
    }
    if (tk::ChooseFromMenu(hWnd(), at, {"&Copy report\tCtrl+Shift+C"}) == 1) {
        CopyReport();
    }
    result = 0;
    return true;
}

HWND frmProperties::CurrentWindow() const {
    return mAPI::IntToHandle<HWND>(host_.GetCurhWnd());
}

bool frmProperties::SelectWindow(std::int32_t handle) {
    return host_.SelectWindow(handle);
}

bool frmProperties::ShowsOnlyVisible() const {
    return host_.ShowsOnlyVisible();
}

bool frmProperties::ValidateWindow(HWND window) {
    if (IsWindow(window)) {
        fraIsNotWin.SetVisible(false);
        ShowSelectedPanel();
        tabProperties.SetEnabled(true);
        return true;
    }
    tabProperties.SetEnabled(false);
    lblInvalidWin.SetCaption("Invalid window (" + mAPI::HexStr8(mAPI::HandleToInt(window)) + ")");
    for (PropertiesTab* tab : tabs) {
        tab->Panel().SetVisible(false);
    }
    fraIsNotWin.SetVisible(true);
    fraIsNotWin.BringToFront();
    return false;
}

void frmProperties::ShowSelectedPanel() {
    const int selected = tabProperties.SelectedIndex();
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        tabs[i]->Panel().SetVisible(static_cast<int>(i) == selected);
    }
    if (selected >= 0 && selected < static_cast<int>(tabs.size())) {
        tabs[static_cast<std::size_t>(selected)]->Panel().BringToFront();
    }
}

} // namespace vantry
