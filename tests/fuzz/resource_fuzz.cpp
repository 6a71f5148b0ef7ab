// Random resource data: the directory parser, the string-block text and the key splitting
// must stay within the bytes they are given (AddressSanitizer watches every read).
#include "model/resource_logic.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy, so that a read past the end is a read past the allocation.
    auto bytes = std::make_unique<std::uint8_t[]>(size);
    std::copy(data, data + size, bytes.get());
    const std::span<const std::uint8_t> view(bytes.get(), size);

    if (const auto entries = vantry::ParseIconGroup(view)) {
        if (entries->size() * 14 + 6 > size) {
            std::abort();
        }
        const vantry::CellSize cell = vantry::IconCellSize(*entries);
        for (const auto& entry : *entries) {
            const int x = vantry::CentredOffset(cell.width, entry.width);
            if (x < 0 || x + entry.width > cell.width) {
                std::abort();
            }
        }
    }
    // At most three UTF-8 bytes for each two bytes of UTF-16.
    if (vantry::BytesToText(view).size() > size / 2 * 3) {
        std::abort();
    }
    const std::string_view key(reinterpret_cast<const char*>(bytes.get()), size);
    if (const auto parts = vantry::SplitNameKey(key)) {
        if (vantry::NameKey(parts->typeText, parts->nameText) != key) {
            std::abort();
        }
    }
    (void)vantry::ResourceNumber(key);
    return 0;
}
