#include "resources/module_access.h"

#include "resources/resource_logic.h"

#include <psapi.h>

#include <vector>

namespace vantry {

bool IsModuleOfThisProcess(HMODULE module) {
    if (!module) {
        return false;
    }
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    for (;;) {
        const DWORD room = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        if (!EnumProcessModules(GetCurrentProcess(), modules.data(), room, &needed)) {
            return false;
        }
        if (needed <= room) {
            break;
        }
        modules.resize(needed / sizeof(HMODULE));
    }
    modules.resize(needed / sizeof(HMODULE));
    for (HMODULE loaded : modules) {
        if (loaded == module) {
            return true;
        }
    }
    return false;
}

HMODULE MapAsData(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    using Disable = BOOL(WINAPI*)(PVOID*);
    using Revert = BOOL(WINAPI*)(PVOID);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    // Present on every system that has a 64-bit side; absent elsewhere.
    auto disable = reinterpret_cast<Disable>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64DisableWow64FsRedirection")));
    auto revert = reinterpret_cast<Revert>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "Wow64RevertWow64FsRedirection")));
    PVOID redirection = nullptr;
    const bool suspended = disable && revert && disable(&redirection);
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr,
                                    DONT_RESOLVE_DLL_REFERENCES | LOAD_LIBRARY_AS_DATAFILE);
    if (suspended) {
        revert(redirection);
    }
    return module;
}

ResourceRef::ResourceRef(std::string text) : text_(std::move(text)) {
    if (const auto number = ResourceNumber(text_)) {
        number_ = *number;
        numeric_ = true;
    }
}

LPCSTR ResourceRef::get() const {
    return numeric_ ? MAKEINTRESOURCEA(number_) : text_.c_str();
}

} // namespace vantry
