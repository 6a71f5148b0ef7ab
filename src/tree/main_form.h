// The start-up form: the tree of every window on the desktop, with its menus and status bar.
#pragma once

#include "toolkit/form.h"
#include "toolkit/imagelist.h"
#include "toolkit/menu.h"
#include "toolkit/picturebox.h"
#include "toolkit/statusbar.h"
#include "toolkit/treeview.h"

#include <windows.h>

#include <string>

namespace vantry {

class Main : public tk::Form {
  public:
    Main();

    tk::MenuBar menuBar;
    tk::MenuItem mnuFile{"&File"};
    tk::MenuItem mnuExit{"E&xit", {'Q', true}};
    tk::MenuItem mnuView{"&View"};
    tk::MenuItem mnuOnlyVisible{"Only visible windows", {}, true};
    tk::MenuItem dash1{"-"};
    tk::MenuItem mnuWindowProps{"Window Properties"};
    tk::MenuItem mnuShowResources{"Show Resources"};
    tk::MenuItem dash2{"-"};
    tk::MenuItem mnuAllExtend{"Every extension"};
    tk::MenuItem mnuUpdate{"Update", {VK_F5}};
    tk::MenuItem mnuOptions{"&Options"};
    tk::MenuItem mnuSearch{"Window Search"};
    tk::MenuItem dash3{"-"};
    tk::MenuItem mnuActivate{"Activate Window"};
    tk::MenuItem mnuFlash{"&Flash window"};
    tk::MenuItem mnuHelp{"&Help"};
    tk::MenuItem mnuAbout{"&About Vantry..."};

    tk::TreeView tvTree{{0, 480, 7740, 4470}};
    tk::StatusBar sbrState{315};
    tk::ImageList imlWinIcons{16, 16, RGB(0xC0, 0xC0, 0xC0)};
    tk::PictureBox picWinIco;
    tk::PictureBox picTreeLn;

  private:
    void Form_Load() override;
    void Form_Resize() override;

    void mnuExit_Click();
    void mnuOnlyVisible_Click();
    void mnuAllExtend_Click();
    void mnuUpdate_Click();

    void LoadWindowTree();
    void AddTreeLineImage();
    void AddWindowNode(HWND parent, HWND window);
    void AddChildWindows(HWND window);
    std::string GetWindowDisplayText(HWND window);
    int GetWindowIconIndex(HWND window);
};

} // namespace vantry
