// The "Window" tab: related windows as links that navigate the main tree.
#pragma once

#include "core/handles.h"
#include "properties/properties_tab.h"

#include <array>

namespace vantry {

class WindowTab : public PropertiesTab {
  public:
    explicit WindowTab(TabHost& host);
    void Load() override;
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    // The five links, in their order.
    tk::TextBox txtNextWin;
    tk::TextBox txtPrevWin;
    tk::TextBox txtParentWin;
    tk::TextBox txtFirstChild;
    tk::TextBox txtOwnerWin;

  private:
    std::array<tk::TextBox*, 5> Links();
    void Link_Click(tk::TextBox& link);
    void ReportWindowNotFound(const std::string& linkText);

    TabHost& host_;
    mAPI::Cursor jumpPointer_;
};

} // namespace vantry
