#include "toolkit/clipboard.h"

#include "core/mapi_win.h"

#include <cstring>

namespace tk {

namespace {

// About a fifth of a second in all: long enough for another program's copy or paste, short
// enough not to be felt.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenPause = 20;

bool OpenClipboardBriefly(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt > 0) {
            Sleep(kOpenPause);
        }
        if (OpenClipboard(owner)) {
            return true;
        }
    }
    return false;
}

} // namespace

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
    if (!OpenClipboardBriefly(owner)) {
        GlobalFree(memory);
        MessageBeep(MB_OK);
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
