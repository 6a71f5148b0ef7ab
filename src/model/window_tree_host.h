// How the forms about one window meet the window tree: what they ask of it, and how they hear
// of a new selection. The tree is one implementation; tests give others.
#pragma once

#include "toolkit/form.h"

#include <cstdint>
#include <vector>

namespace vantry {

// A form about the current window that follows the tree's selection while it is loaded.
class CurrentWindowForm : public tk::Form {
  public:
    using tk::Form::Form;
    // Shows the window that is current now.
    virtual void DoRefresh() = 0;
};

// A form that shows the desktop by process and thread.
class ProcessesView : public tk::Form {
  public:
    using tk::Form::Form;
    // Opens the view owned by owner (it loads when it is not loaded, or lacks the window) with
    // the window's node selected under its process and thread.
    virtual void ShowWindowOf(std::int32_t handle, const tk::Form& owner) = 0;
};

// A form that logs the messages a window gets.
class MessageLogView : public tk::Form {
  public:
    using tk::Form::Form;
    // Opens the log owned by owner and logs the window, ending the log before.
    virtual void LogWindow(std::int32_t handle, const tk::Form& owner) = 0;
};

class WindowTreeHost {
  public:
    // The handle of the selected window; 0 when none is selected.
    virtual std::int32_t GetCurhWnd() const = 0;
    // Selects the window, as code selects (the forms are not told); false when the tree lacks it.
    virtual bool SelectWindow(std::int32_t handle) = 0;
    // Selects the window as the user's own choice: the forms that follow the selection show it.
    // False when the tree lacks it.
    virtual bool ChooseWindow(std::int32_t handle) = 0;
    // Whether the tree lists visible windows only.
    virtual bool ShowsOnlyVisible() const = 0;
    // Where a form opens: a dialog centred over the tree, an inspection form beside the
    // selected node rather than over it; both on the tree's screen.
    virtual void PlaceCentred(tk::Form& form) const = 0;
    virtual void PlaceBesideSelection(tk::Form& form) const = 0;
    // The tree's own form and the loaded forms that follow its selection.
    virtual std::vector<const tk::Form*> OpenForms() const = 0;
    // Opens the message log of the window.
    virtual void LogMessages(std::int32_t handle) = 0;

  protected:
    ~WindowTreeHost() = default;
};

} // namespace vantry
