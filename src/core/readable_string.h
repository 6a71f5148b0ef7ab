// Measuring a C string at an address we have not allocated ourselves (class menu names and
// similar values of other modules), without ever touching a byte outside readable memory.
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

} // namespace mAPI
