#include "toolkit/file_dialog.h"

#include "core/mapi_win.h"

#include <commdlg.h>

namespace tk {

namespace {

// The dialog's library is loaded when a dialog is first asked for, not at start: most sessions
// never save, and in a bare program under Wine it and what it pulls in took 0.7 MB.
using SaveDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

SaveDialogFunction SystemSaveDialogFunction() {
    static const SaveDialogFunction function = [] {
        // Windows 7 without its loader update refuses the flag; comdlg32 is a known DLL there,
        // which the system loads from its own folder only.
        HMODULE library = LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library) {
            library = LoadLibraryW(L"comdlg32.dll");
        }
        FARPROC found = library ? GetProcAddress(library, "GetSaveFileNameW") : nullptr;
        return reinterpret_cast<SaveDialogFunction>(reinterpret_cast<void (*)()>(found));
    }();
    return function;
}

SaveFileHandler& Handler() {
    static SaveFileHandler handler;
    return handler;
}

std::optional<SaveFileChoice> SystemSaveDialog(HWND owner, const SaveFileRequest& request) {
    // Descriptions and patterns, each ended by a NUL, the list by another.
    std::wstring filters;
    for (const auto& [description, pattern] : request.filters) {
        filters += mAPI::Widen(description) + L'\0' + mAPI::Widen(pattern) + L'\0';
    }
    filters += L'\0';
    std::wstring path = mAPI::Widen(request.fileName);
    path.resize(32768, L'\0'); // the longest path the system takes
    const std::wstring extension = mAPI::Widen(request.defaultExtension);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const SaveDialogFunction askSystem = SystemSaveDialogFunction();
    if (!askSystem || !askSystem(&dialog)) {
        return std::nullopt;
    }
    path.resize(path.find(L'\0'));
    return SaveFileChoice{mAPI::Narrow(path), static_cast<int>(dialog.nFilterIndex) - 1};
}

} // namespace

std::optional<SaveFileChoice> AskSaveFile(HWND owner, const SaveFileRequest& request) {
    return Handler() ? Handler()(owner, request) : SystemSaveDialog(owner, request);
}

SaveFileHandler SetSaveFileHandler(SaveFileHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

} // namespace tk
