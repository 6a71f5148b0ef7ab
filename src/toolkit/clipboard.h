// Text onto the clipboard, as CF_UNICODETEXT converted from the program's own text.
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

// False when the clipboard could not be had.
bool CopyText(HWND owner, std::string_view text);

} // namespace tk
