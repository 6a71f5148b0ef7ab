// A push button with a Click event.
#pragma once

#include "toolkit/control.h"

#include <functional>
#include <string>

namespace tk {

class CommandButton : public Control {
  public:
    CommandButton(TwipsRect design, std::string caption, bool isDefault = false)
        : Control(design), caption_(std::move(caption)), default_(isDefault) {}
    void Create(Form& parent) override;
    void OnCommand(WORD id, WORD code) override;

    std::function<void()> Click;

  private:
    std::string caption_;
    bool default_;
};

} // namespace tk
