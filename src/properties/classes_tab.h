// The "Classes" tab: the registration data of the window's class.
#pragma once

#include "properties/properties_tab.h"
#include "toolkit/list_controls.h"

namespace vantry {

class ClassesTab : public PropertiesTab {
  public:
    ClassesTab();
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    Light3D l3dClassNameBack;
    tk::TextBox txtClassName;
    tk::TextBox txtClassStyles;
    tk::ComboBox cboClassStyles;
    tk::TextBox txtClasshModule;
    tk::TextBox txtClassWinProc;
    tk::TextBox txtAtom;
    tk::TextBox txtMenuName;
    tk::TextBox txtExMem;
    tk::TextBox txtWinEx;

  private:
    void FillClassStyles(std::uint32_t classStyle);
};

} // namespace vantry
