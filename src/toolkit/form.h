// A top-level form: created from a design, shown modeless or modal, unloaded through
// QueryUnload. Loaded forms are listed in tk::LoadedForms.
#pragma once

#include "core/handles.h"
#include "toolkit/app.h"
#include "toolkit/menu.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

class CommandButton;
class Control;
class MenuBar;
class Timer;

enum class BorderStyle { Sizable, FixedDialog };

struct FormDesign {
    std::string caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    BorderStyle border = BorderStyle::Sizable;
};

class Form {
  public:
    explicit Form(FormDesign design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hWnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }

    // Creates the window and its controls and runs Form_Load; a loaded form stays as it is.
    void Load();
    // Loads if needed and shows modeless, owned by owner (nullptr: no owner).
    void Show(const Form* owner = nullptr);
    // Loads if needed, disables the owner (without one: every other loaded form) and handles
    // messages until the form unloads.
    void ShowModal(const Form* owner);
    // Asks Form_QueryUnload, then destroys the window. Returns false when the form refused.
    bool Unload();

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    void SetIcon(HICON big, HICON small);

    // Inner size in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;
    // Outer place in twips, screen coordinates.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void Move(int left, int top);

    MousePointer Pointer() const { return pointer_; }
    void SetPointer(MousePointer pointer);

    HFONT DefaultFont() const { return font_.get(); }
    HACCEL Accelerators() const;
    // Forms with dialog keys get Tab, Enter, Escape and access keys handled as in a dialog.
    bool UsesDialogKeys() const { return defaultButton_ != nullptr; }
    // Runs the form's shortcut for a key press; false when it has none for it.
    bool RunShortcut(const MSG& message);

    static Form* FromWindow(HWND window);

  protected:
    void AddControl(Control& control);
    void AddTimer(Timer& timer);
    // A key of the form's own, wherever its focus is: checked before dialog keys and menus.
    void AddShortcut(Shortcut key, std::function<void()> action);
    // Enter clicks the default button and Escape the cancel button (they may be the same).
    void SetDialogButtons(CommandButton& defaultButton, CommandButton& cancelButton);
    void SetMenu(MenuBar& menu);

    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    // Return true to keep the form loaded.
    virtual bool Form_QueryUnload() { return false; }
    virtual void Form_Unload() {}
    // Messages the form wants before the default handling; return true when handled.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void MoveDialogFocus(WPARAM wParam, LPARAM lParam);
    // A command from a control, the menu or the dialog keys; false when none took it.
    bool Command(WPARAM wParam, LPARAM lParam);
    // The brush a control stands on; nullptr for an edit control's default.
    HBRUSH ControlBrush(UINT message, HDC dc, HWND window) const;
    void Create(HWND owner);
    void Destroyed();
    void EnableDisabledForms();
    Control* ControlFromWindow(HWND window) const;

    FormDesign design_;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    MenuBar* menu_ = nullptr;
    mAPI::Font font_;
    HWND hwnd_ = nullptr;
    MousePointer pointer_ = MousePointer::Default;
    bool unloading_ = false;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    std::vector<HWND> disabledWhileModal_;
    std::vector<std::pair<Shortcut, std::function<void()>>> shortcuts_;
};

} // namespace tk
