// Measuring a C string or checking a range at an address we have not allocated ourselves
// (class menu names, resource data whose size a module claims), without ever touching a byte
// outside readable memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace mAPI {

struct MemoryRegion {
    std::uintptr_t base = 0;
    std::size_t size = 0;
    bool readable = false;
};

// Answers which region holds an address; nullopt when the system knows of none.
using RegionQuery = std::function<std::optional<MemoryRegion>(std::uintptr_t)>;

// Length of the NUL-terminated string at address, or nullopt when address is 0 or any byte up
// to and including the terminator lies outside readable regions.
std::optional<std::size_t> ReadableStringLength(std::uintptr_t address,
                                                const RegionQuery& regionAt);

// Whether every byte from address to address + length - 1 lies in readable regions. A range
// that wraps past the end of the address space is not.
bool IsReadableRange(std::uintptr_t address, std::size_t length, const RegionQuery& regionAt);

} // namespace mAPI
