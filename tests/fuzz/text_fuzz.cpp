// Texts a user types or a window hands us: every input either reads back or is refused, never
// anything else, and what reads back round-trips; caps cut whole characters.
#include "core/mapi.h"
#include "core/utf8.h"
#include "model/window_text.h"
#include "tree/main_logic.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = mAPI::TryHexToLong(text)) {
        if (mAPI::TryHexToLong(mAPI::HexStr8(*value)) != value) {
            std::abort();
        }
    }
    if (mAPI::TrimNull(text).size() > text.size()) {
        std::abort();
    }
    // A cut keeps whole characters: counting its characters gives the cap, or all of them.
    const std::size_t chars = mAPI::Utf8CharCount(text);
    const std::size_t cap = size > 0 ? data[0] % 64 : 0;
    const std::string_view cut = mAPI::Utf8Prefix(text, cap);
    if (mAPI::Utf8CharCount(cut) != std::min(cap, chars) || text.substr(0, cut.size()) != cut) {
        std::abort();
    }
    return 0;
}
