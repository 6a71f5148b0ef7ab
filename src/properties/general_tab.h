// The "General" tab: the window's identity and one of its class's GDI objects.
#pragma once

#include "properties/properties_tab.h"
#include "toolkit/list_controls.h"
#include "toolkit/picturebox.h"

namespace vantry {

class GeneralTab : public PropertiesTab {
  public:
    explicit GeneralTab(TabHost& host);
    void Load() override;
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    Light3D l3dWinTextBack;
    tk::TextBox txtWinText;
    tk::TextBox txthWin;
    tk::TextBox txtWindowProc;
    tk::TextBox txthInstance;
    tk::TextBox txtWndID;
    tk::TextBox txtUserData;
    tk::ComboBox cboGDI;
    tk::TextBox txtGDIHandle;
    Light3D l3dGDIBack;
    tk::PictureBox picDraw;

  private:
    void ShowGDIObject(HWND window);

    TabHost& host_;
};

} // namespace vantry
