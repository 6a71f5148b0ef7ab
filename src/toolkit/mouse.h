// Mouse events as the controls report them: buttons 1 left, 2 right, 4 middle, added
// together; shift state 1 Shift, 2 Ctrl, 4 Alt.
#pragma once

#include <windows.h>

namespace tk {

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The buttons held, from a mouse message's key flags.
int HeldButtons(WPARAM keys);
// The button a press or release message is about.
int MessageButton(UINT message);
int ShiftState();

} // namespace tk
