// Text onto the clipboard, as CF_UNICODETEXT converted from the program's own text.
#pragma once

#include <windows.h>

#include <string_view>

namespace tk {

// Another program may hold the clipboard for a moment, so the copy tries again briefly; when it
// still cannot have it, it beeps and answers false.
bool CopyText(HWND owner, std::string_view text);

} // namespace tk
