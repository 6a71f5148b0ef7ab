// The "Window search" dialog: a crosshair to drag onto a window, or a handle to type, and the
// window's node selected in the main tree.
#pragma once

#include "core/handles.h"
#include "model/window_tree_host.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/picturebox.h"
#include "toolkit/static_controls.h"
#include "toolkit/text_controls.h"

namespace vantry {

class frmFindWindow : public tk::Form {
  public:
    explicit frmFindWindow(WindowTreeHost& host);

    tk::CommandButton cmdOK;
    tk::CommandButton cmdCancel;
    tk::Frame fraFinderBack;
    tk::PictureBox picFindBack;
    tk::PictureBox picFind;
    tk::Label Label1;
    tk::CheckBox chkHideApp;
    tk::Label Label2;
    tk::TextBox txtHandle;
    tk::Label Label4;
    tk::TextBox txtWinText;
    tk::Label Label3;
    tk::TextBox txtClassName;

    // The window that carries the frame now; 0 for none.
    HWND HighlightedWnd() const { return highlightedWnd_; }

  private:
    void Form_Load() override;
    bool Form_QueryUnload() override;

    void cmdOK_Click();
    void cmdCancel_Click();
    void chkHideApp_Click();
    void txtHandle_LostFocus();
    void picFind_MouseDown(int button);
    void picFind_MouseMove(int button);
    void picFind_MouseUp(int button);

    void TrackFinder();
    void ClearHighlight();
    void HighlightWindow(HWND window);
    void DrawFrameRect(RECT& rect);
    void ShowFormWindow(const tk::Form* form, bool show);
    void DrawFinderPicture();

    WindowTreeHost& host_;
    HWND highlightedWnd_ = nullptr;
    mAPI::Cursor finderCursor_;
};

} // namespace vantry
