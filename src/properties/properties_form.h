// "Window properties": a tabbed report on the current window of the main tree. It keeps no
// handle of its own; every refresh asks Main for the selected window.
#pragma once

#include "controls/light3d.h"
#include "core/handles.h"
#include "toolkit/button.h"
#include "toolkit/list_controls.h"
#include "toolkit/static_controls.h"
#include "toolkit/text_controls.h"
#include "tree/current_window_form.h"

#include <array>
#include <memory>
#include <vector>

namespace vantry {

class Main;

class frmProperties : public CurrentWindowForm {
  public:
    explicit frmProperties(Main& main);

    void DoRefresh() override;

    tk::TabStrip tabProperties;
    std::array<tk::Frame, 6> fraProperties;
    tk::Frame fraIsNotWin;
    tk::Label lblInvalidWin;
    tk::CommandButton cmdClose;
    tk::CommandButton cmdRefresh;

    // "General"
    tk::Label lblGDI;
    tk::ComboBox cboGDI;
    Light3D l3dGDIBack;

    // "Style-bits"
    tk::Label lblWindowStyles;
    tk::TextBox txtWindowStyles;
    tk::ListBox lstWinStyles;
    tk::Label lblExStyles;
    tk::TextBox txtExStyles;
    tk::ListBox lstExStyles;

    // "Window": the five links, in their order
    std::array<tk::Label, 5> lblRelations;
    tk::TextBox txtNextWin;
    tk::TextBox txtPrevWin;
    tk::TextBox txtParentWin;
    tk::TextBox txtFirstChild;
    tk::TextBox txtOwnerWin;

    // "Classes"
    tk::Label lblClassStyles;
    tk::TextBox txtClassStyles;
    tk::ComboBox cboClassStyles;

  private:
    void Form_Load() override;

    void tabProperties_Click();
    void cmdRefresh_Click();
    void cmdClose_Click();
    void cboGDI_Click();
    void Link_Click(tk::TextBox& link);

    bool ValidateWindow(HWND window);
    void ShowSelectedPanel();
    void FillGeneral(HWND window);
    void FillPosition(HWND window);
    void FillStyles(HWND window);
    void FillRelations(HWND window);
    void FillClassInfo(HWND window);
    void FillClassStyles(std::uint32_t classStyle);
    void FillProcessInfo(HWND window);
    void SetLinkPointers();
    void ReportWindowNotFound(const std::string& linkText);
    std::array<tk::TextBox*, 5> Links();

    Main& main_;
    mAPI::Cursor jumpPointer_;
};

} // namespace vantry
