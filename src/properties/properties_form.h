// "Window properties": a tabbed report on the current window of the main tree. It keeps no
// handle of its own; every refresh asks Main for the selected window.
#pragma once

#include "controls/light3d.h"
#include "core/handles.h"
#include "toolkit/button.h"
#include "toolkit/list_controls.h"
#include "toolkit/picturebox.h"
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

    // "Position"
    tk::TextBox txtWinRect;
    tk::TextBox txtClientRect;
    tk::TextBox txtCurState;
    tk::CheckBox chkVisible;
    tk::CheckBox chkEnabled;
    tk::CheckBox chkUnicode;
    Light3D l3dWinPrevBack;
    tk::PictureBox imgMontr;
    tk::PictureBox picDesktop;

    // "Style-bits"
    tk::TextBox txtWindowStyles;
    tk::ListBox lstWinStyles;
    tk::TextBox txtExStyles;
    tk::ListBox lstExStyles;

    // "Window": the five links, in their order
    tk::TextBox txtNextWin;
    tk::TextBox txtPrevWin;
    tk::TextBox txtParentWin;
    tk::TextBox txtFirstChild;
    tk::TextBox txtOwnerWin;

    // "Classes"
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

    // "Processes"
    tk::TextBox txtProcessID;
    tk::TextBox txtThreadID;
    tk::PictureBox picExePath;

  private:
    void Form_Load() override;

    void tabProperties_Click();
    void cmdRefresh_Click();
    void cmdClose_Click();
    void cboGDI_Click();
    void chkState_Click();
    void Link_Click(tk::TextBox& link);

    bool ValidateWindow(HWND window);
    void ShowSelectedPanel();
    void FillGeneral(HWND window);
    void ShowGDIObject(HWND window);
    void FillPosition(HWND window);
    void DrawWindowPreview(HWND window, const RECT& windowRect, const RECT& clientRect);
    void FillStyles(HWND window);
    void FillRelations(HWND window);
    void FillClassInfo(HWND window);
    void FillClassStyles(std::uint32_t classStyle);
    void FillProcessInfo(HWND window);
    void DrawPathText(tk::PictureBox& box, const std::string& text);
    void SetLinkPointers();
    void ReportWindowNotFound(const std::string& linkText);
    std::array<tk::TextBox*, 5> Links();
    void AddLabel(int panel, const char* caption, int left, int top, int width = 1380);

    Main& main_;
    std::vector<std::unique_ptr<tk::Label>> labels_;
    mAPI::Cursor jumpPointer_;
};

} // namespace vantry
