#include "model/module_access.h"

#include "core/mapi_win.h"
#include "model/resource_logic.h"

#include <utility>

namespace vantry {

bool IsModuleOfThisProcess(HMODULE module) {
    if (!module) {
        return false;
    }
    // The loader's own lookup of the module holding an address: the value is a module of ours
    // exactly when that module starts at it. (Listing the modules reads them one by one
    // through the process's memory, which is slow with many loaded.)
    HMODULE found = nullptr;
    return GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCSTR>(module), &found) &&
           found == module;
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

std::vector<std::uint8_t> ReadResource(HMODULE module, const std::string& name,
                                       const std::string& type) {
    const ResourceRef nameRef(name);
    const ResourceRef typeRef(type);
    HRSRC info = FindResourceA(module, nameRef.get(), typeRef.get());
    if (!info) {
        return {};
    }
    const DWORD length = SizeofResource(module, info);
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    std::vector<std::uint8_t> bytes;
    if (data && length && mAPI::CanRead(data, length)) {
        const auto* first = static_cast<const std::uint8_t*>(data);
        bytes.assign(first, first + length);
    }
    if (loaded) {
        FreeResource(loaded);
    }
    return bytes;
}

ResourceSource ResourceSource::OwnModule(HMODULE module) {
    return {IsModuleOfThisProcess(module) ? module : nullptr, false};
}

ResourceSource ResourceSource::MappedFile(const std::string& path) {
    return {MapAsData(path), true};
}

ResourceSource::ResourceSource(ResourceSource&& other) noexcept
    : module_(std::exchange(other.module_, nullptr)), mapped_(std::exchange(other.mapped_, false)) {
}

ResourceSource& ResourceSource::operator=(ResourceSource&& other) noexcept {
    if (this != &other) {
        reset();
        module_ = std::exchange(other.module_, nullptr);
        mapped_ = std::exchange(other.mapped_, false);
    }
    return *this;
}

void ResourceSource::reset() {
    if (mapped_ && module_) {
        FreeLibrary(module_);
    }
    module_ = nullptr;
    mapped_ = false;
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
