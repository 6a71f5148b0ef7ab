// The "Position" tab: rectangles, state, the three state flags and the screen miniature.
#pragma once

#include "properties/properties_tab.h"
#include "toolkit/picturebox.h"

namespace vantry {

class PositionTab : public PropertiesTab {
  public:
    explicit PositionTab(TabHost& host);
    void Load() override;
    void Fill(HWND window) override;
    std::vector<ReportLine> Report() const override;

    tk::TextBox txtWinRect;
    tk::TextBox txtClientRect;
    tk::TextBox txtCurState;
    tk::CheckBox chkVisible;
    tk::CheckBox chkEnabled;
    tk::CheckBox chkUnicode;
    Light3D l3dWinPrevBack;
    tk::PictureBox imgMontr;
    tk::PictureBox picDesktop;

  private:
    void DrawWindowPreview(HWND window, const RECT& windowRect, const RECT& clientRect);

    TabHost& host_;
};

} // namespace vantry
