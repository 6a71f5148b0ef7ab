// Getting at a module's resources safely: only modules of our own process, and executable
// files mapped as data from the very path named.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vantry {

// True when module is the base of a module loaded in this process.
bool IsModuleOfThisProcess(HMODULE module);

// The file at path mapped as data (no code run); nullptr on failure. Under WoW64 the system
// folder's redirection is suspended for the mapping only, so the file named is the one mapped.
HMODULE MapAsData(const std::string& path);

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
