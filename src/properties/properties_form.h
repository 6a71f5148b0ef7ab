// "Window properties": a tabbed report on the current window of the main tree. It keeps no
// handle of its own; every refresh asks Main for the selected window. Each tab is a type of its
// own (properties_tab.h); the form creates, shows and fills them through one list.
#pragma once

#include "model/window_tree_host.h"
#include "properties/classes_tab.h"
#include "properties/general_tab.h"
#include "properties/position_tab.h"
#include "properties/processes_tab.h"
#include "properties/styles_tab.h"
#include "properties/window_tab.h"
#include "toolkit/button.h"
#include "toolkit/list_controls.h"

#include <array>

namespace vantry {

class frmProperties : public CurrentWindowForm, private TabHost {
  public:
    explicit frmProperties(WindowTreeHost& host);

    void DoRefresh() override;
    // Every tab in tab order: its caption, then "Label: value" a line.
    std::string ReportText() const;

    GeneralTab general{*this};
    PositionTab position{*this};
    StylesTab styles;
    WindowTab relations{*this};
    ClassesTab classes;
    ProcessesTab processes;
    // In the order of the tab strip.
    const std::array<PropertiesTab*, 6> tabs{&general,   &position, &styles,
                                             &relations, &classes,  &processes};

    tk::TabStrip tabProperties;
    tk::Frame fraIsNotWin;
    tk::Label lblInvalidWin;
    tk::CommandButton cmdClose;
    tk::CommandButton cmdRefresh;

  private:
    void Form_Load() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void CopyReport();

    HWND CurrentWindow() const override;
    void RefreshTabs() override { DoRefresh(); }
    bool SelectWindow(std::int32_t handle) override;
    bool ShowsOnlyVisible() const override;
    HWND FormWindow() const override { return hWnd(); }

    bool ValidateWindow(HWND window);
    void ShowSelectedPanel();

    WindowTreeHost& host_;
};

} // namespace vantry
