#include "toolkit/button.h"

namespace tk {

void CommandButton::Create(Form& parent) {
    CreateChild(parent, "BUTTON",
                WS_VISIBLE | WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                caption_.c_str());
}

void CommandButton::OnCommand(WORD, WORD code) {
    if (code == BN_CLICKED && Click) {
        Click();
    }
}

} // namespace tk
