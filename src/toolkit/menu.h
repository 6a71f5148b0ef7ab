// Menu bars built from a form's design: items with access keys, shortcuts and check marks.
#pragma once

#include "core/handles.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tk {

struct Shortcut {
    WORD key = 0; // virtual key; 0 for none
    bool ctrl = false;
    bool shift = false;
    std::string Text() const;
};

class MenuItem {
  public:
    // A caption of "-" makes a separator line.
    explicit MenuItem(std::string caption, Shortcut shortcut = {}, bool checked = false);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Caption() const { return caption_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    UINT Id() const { return id_; }

    std::function<void()> Click;

  private:
    friend class MenuBar;
    std::string caption_;
    Shortcut shortcut_;
    bool checked_;
    UINT id_ = 0;
    HMENU container_ = nullptr;
};

// A context menu of the given items at a screen point; the item chosen, counted from 1, or 0.
UINT ChooseFromMenu(HWND owner, POINT screen, const std::vector<std::string>& items);

class MenuBar {
  public:
    void AddMenu(MenuItem& top, std::vector<MenuItem*> items);

    // A new menu bar for a form's window, which owns it from then on.
    HMENU Build();
    // The window that held the menu is gone.
    void Detach();
    HACCEL Accelerators() const { return accelerators_.get(); }
    // Runs the Click of the item with this command id; false when no item has it.
    bool Dispatch(UINT id);

  private:
    struct Popup {
        MenuItem* top;
        std::vector<MenuItem*> items;
    };
    std::vector<Popup> popups_;
    mAPI::AcceleratorTable accelerators_;
    UINT nextId_ = 1000;
};

} // namespace tk
