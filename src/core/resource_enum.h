// The two callbacks through which the system hands the resource view a module's types and
// names. They have no context of their own: they report to the one sink set for the view.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace mAPI {

class ResourceSink {
  public:
    virtual ~ResourceSink() = default;
    // False when the type cannot be added (its key is taken): its names are not listed then.
    virtual bool AddType(const std::string& typeText, bool named, std::uint32_t number) = 0;
    virtual void AddName(const std::string& typeText, const std::string& nameText) = 0;
};

// The sink the callbacks report to while the view enumerates; nullptr when none.
void SetResourceSink(ResourceSink* sink);

// Decimal digits for a numeric identifier, the ANSI string for a named one.
std::string ResourceIdText(LPCSTR id);

BOOL CALLBACK EnumResTypeProc(HMODULE module, LPSTR type, LONG_PTR value);
BOOL CALLBACK EnumResNameProc(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR value);

} // namespace mAPI
