#include "core/readable_string.h"

#include <cstring>

namespace mAPI {

std::optional<std::size_t> ReadableStringLength(std::uintptr_t address,
                                                const RegionQuery& regionAt) {
    if (address == 0) {
        return std::nullopt;
    }
    std::uintptr_t cursor = address;
    for (;;) {
        const auto region = regionAt(cursor);
        if (!region || !region->readable || cursor < region->base) {
            return std::nullopt;
        }
        const std::uintptr_t end = region->base + region->size;
        // A region that does not reach past the cursor (or wraps) would never end the scan.
        if (end <= cursor) {
            return std::nullopt;
        }
        const auto* bytes = reinterpret_cast<const char*>(cursor);
        if (const void* nul = std::memchr(bytes, 0, end - cursor)) {
            return (cursor - address) +
                   static_cast<std::size_t>(static_cast<const char*>(nul) - bytes);
        }
        cursor = end;
    }
}

bool IsReadableRange(std::uintptr_t address, std::size_t length, const RegionQuery& regionAt) {
    if (length == 0) {
        return true;
    }
    if (address == 0 || length - 1 > UINTPTR_MAX - address) {
        return false;
    }
    const std::uintptr_t last = address + (length - 1);
    for (std::uintptr_t cursor = address;;) {
        const auto region = regionAt(cursor);
        if (!region || !region->readable || cursor < region->base) {
            return false;
        }
        const std::uintptr_t end = region->base + region->size;
        if (end <= cursor) {
            return false;
        }
        if (last < end) {
            return true;
        }
        cursor = end;
    }
}

} // namespace mAPI
