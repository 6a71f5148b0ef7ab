// Getting at a module's resources safely: only modules of our own process, and executable
// files mapped as data from the very path named.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vantry {

// True when module is the base of a module loaded in this process.
bool IsModuleOfThisProcess(HMODULE module);

// The file at path mapped as data (no code run); nullptr on failure. Under WoW64 the system
// folder's redirection is suspended for the mapping only, so the file named is the one mapped.
HMODULE MapAsData(const std::string& path);

// The module whose resources are read: one of this process's own, borrowed, or an executable
// file mapped as data, released when the source is reset or ends.
class ResourceSource {
  public:
    ResourceSource() = default;
    // Empty unless module is a module of this process: any other value would send the
    // resource functions to an arbitrary address.
    static ResourceSource OwnModule(HMODULE module);
    static ResourceSource MappedFile(const std::string& path);
    ~ResourceSource() { reset(); }
    ResourceSource(const ResourceSource&) = delete;
    ResourceSource& operator=(const ResourceSource&) = delete;
    ResourceSource(ResourceSource&& other) noexcept;
    ResourceSource& operator=(ResourceSource&& other) noexcept;

    HMODULE get() const { return module_; }
    bool Mapped() const { return mapped_; }
    void reset();

  private:
    ResourceSource(HMODULE module, bool mapped) : module_(module), mapped_(mapped && module) {}

    HMODULE module_ = nullptr;
    bool mapped_ = false;
};

// A copy of a resource's data; empty when the module has no such resource or does not hold all
// the data its entry claims (nothing of a broken entry is read).
std::vector<std::uint8_t> ReadResource(HMODULE module, const std::string& name,
                                       const std::string& type);

// A resource name or type as the resource functions take it: decimal digits as an integer
// resource, any other text as its string.
class ResourceRef {
  public:
    explicit ResourceRef(std::string text);
    LPCSTR get() const;

  private:
    std::string text_;
    std::uintptr_t number_ = 0;
    bool numeric_ = false;
};

} // namespace vantry
