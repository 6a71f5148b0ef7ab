// A status bar along the bottom edge showing one simple text.
#pragma once

#include "toolkit/control.h"

#include <string>

namespace tk {

class StatusBar : public Control {
  public:
    explicit StatusBar(int designHeight) : Control({0, 0, 0, designHeight}) {}
    void Create(Form& parent) override;
    void OnParentResized() override;

    void SetSimpleText(const std::string& text);
};

} // namespace tk
