// A form about the current window that follows the tree's selection while it is loaded.
#pragma once

#include "toolkit/form.h"

namespace vantry {

class CurrentWindowForm : public tk::Form {
  public:
    using tk::Form::Form;
    // Shows the window that is current now.
    virtual void DoRefresh() = 0;
};

} // namespace vantry
