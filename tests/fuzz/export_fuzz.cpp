// Resource data as a module may hold it, broken or not: the file writers never read past what
// they are given, and what they write reads back whole.
#include "model/resource_files.h"

#include <cstdlib>

using vantry::Bytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    // Copies, so that AddressSanitizer sees the exact end of each input.
    const Bytes whole(bytes.begin(), bytes.end());
    if (const auto file = vantry::BitmapFile(whole)) {
        if (file->size() != whole.size() + 14) {
            std::abort();
        }
    }
    // The group's images are slices of the same input, chosen by id.
    const auto image = [&](std::uint16_t id) -> std::optional<Bytes> {
        const std::size_t start = id % (size + 1);
        if (id % 7 == 0) {
            return std::nullopt;
        }
        return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end());
    };
    for (const bool cursor : {false, true}) {
        for (const auto& file :
             {vantry::GroupFile(whole, cursor, image), vantry::SingleImageFile(whole, cursor)}) {
            if (file && !vantry::ReadIconFile(*file)) {
                std::abort();
            }
        }
    }
    (void)vantry::ReadIconFile(whole);
    (void)vantry::StringBlockText(static_cast<std::uint16_t>(size), whole);
    return 0;
}
