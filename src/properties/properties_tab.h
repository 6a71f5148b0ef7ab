// One tab of the properties form: its caption, its panel with the labels and controls on it,
// their design places, and how it fills them for a window. A new tab is one of these, added to
// the form's list.
#pragma once

#include "controls/light3d.h"
#include "toolkit/static_controls.h"
#include "toolkit/text_controls.h"

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantry {

// What a tab may ask of the form that shows it.
class TabHost {
  public:
    // The window the main tree has selected (it may be gone).
    virtual HWND CurrentWindow() const = 0;
    // Fills every tab again, as Update does.
    virtual void RefreshTabs() = 0;
    // Selects the window in the main tree; false when the tree has no node for it.
    virtual bool SelectWindow(std::int32_t handle) = 0;
    virtual bool ShowsOnlyVisible() const = 0;
    // The owner of the tab's messages.
    virtual HWND FormWindow() const = 0;

  protected:
    ~TabHost() = default;
};

class PropertiesTab {
  public:
    explicit PropertiesTab(std::string caption);
    virtual ~PropertiesTab() = default;
    PropertiesTab(const PropertiesTab&) = delete;
    PropertiesTab& operator=(const PropertiesTab&) = delete;

    const std::string& Caption() const { return caption_; }
    tk::Frame& Panel() { return panel_; }
    // The panel, then its labels and controls in creation order, each in its container.
    const std::vector<tk::Control*>& Controls() const { return controls_; }

    // Once the form's window exists, before its first refresh.
    virtual void Load() {}
    // Shows the window's values; window is a live window.
    virtual void Fill(HWND window) = 0;

    // What the tab shows, as label and value, in the order it shows them.
    using ReportLine = std::pair<std::string, std::string>;
    virtual std::vector<ReportLine> Report() const = 0;

  protected:
    void AddLabel(const char* caption, int left, int top, int width = 1380);
    // Puts controls on the panel, or inside another control of the tab.
    void Place(std::initializer_list<tk::Control*> controls);
    void Place(tk::Control& container, std::initializer_list<tk::Control*> controls);
    // The tab's labels in the order they were added, each with its value.
    std::vector<ReportLine> Labelled(std::initializer_list<std::string> values) const;

  private:
    std::string caption_;
    tk::Frame panel_;
    std::vector<std::unique_ptr<tk::Label>> labels_;
    std::vector<tk::Control*> controls_;
};

// A read-only value box on the button face, as every tab shows its values.
tk::TextBox Field(tk::TwipsRect place);

// The saved properties of a tab's Light3D frames: their own font, and the back colour where
// one was saved (with 3-D light).
tk::PropertyBag SavedLight3D(std::optional<std::uint32_t> backColor);

} // namespace vantry
