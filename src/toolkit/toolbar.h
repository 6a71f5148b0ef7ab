// A toolbar of keyed push and check buttons with pictures and tooltips.
#pragma once

#include "toolkit/control.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class ImageList;

enum class ButtonStyle { Push, Check, Separator };

struct ToolbarButton {
    std::string key; // separators have none
    std::string tooltip;
    int image = 0; // counted from 1
    ButtonStyle style = ButtonStyle::Push;
    bool pressed = false;
};

class Toolbar : public Control {
  public:
    Toolbar(int designHeight, std::vector<ToolbarButton> buttons, const ImageList& images);
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;
    void OnParentResized() override;

    bool Pressed(std::string_view key) const;
    void SetPressed(std::string_view key, bool pressed);
    // The command id a button reports (1-based position); 0 for an unknown key.
    int CommandId(std::string_view key) const;

    std::function<void(const std::string& key)> ButtonClick;

  private:
    std::vector<ToolbarButton> buttons_;
    const ImageList& images_;
};

} // namespace tk
