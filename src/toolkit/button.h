// A push button with a Click event.
#pragma once

#include "toolkit/control.h"

#include <functional>
#include <string>

namespace tk {

struct ButtonDesign {
    TwipsRect place{};
    std::string caption{};
    bool isDefault = false; // drawn as the button Enter clicks
};

class CommandButton : public Control {
  public:
    explicit CommandButton(ButtonDesign design)
        : Control(design.place), caption_(std::move(design.caption)), default_(design.isDefault) {}
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;

    std::function<void()> Click;

  private:
    std::string caption_;
    bool default_;
};

} // namespace tk
