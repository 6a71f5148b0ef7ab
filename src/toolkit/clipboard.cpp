#include "toolkit/clipboard.h"

#include "core/mapi_win.h"

#include <cstring>

namespace tk {

bool CopyText(HWND owner, std::string_view text) {
    // The program's text is in the process code page (UTF-8 where the manifest is honoured).
    const std::wstring wide = mAPI::Widen(text, CP_ACP);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory) {
        return false;
    }
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
    }
    if (!OpenClipboard(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory); // the clipboard owns it only once placed
    }
    return placed;
}

} // namespace tk
