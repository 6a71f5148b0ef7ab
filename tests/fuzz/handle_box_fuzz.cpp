// Random keys into the handle box and random texts through its normalisation: the box never
// holds more than 9 characters or more than one "h", and normalising is idempotent.
#include "search/handle_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        const auto key = vantry::FilterHandleKey(static_cast<char>(data[i]), text);
        if (!key) {
            continue;
        }
        if (*key == '\b') {
            if (!text.empty()) {
                text.pop_back();
            }
        } else if (text.size() < vantry::kHandleBoxLength) {
            text += *key;
        }
        if (text.size() > vantry::kHandleBoxLength ||
            std::count(text.begin(), text.end(), 'h') > 1) {
            std::abort();
        }
    }
    const std::string raw(reinterpret_cast<const char*>(data), size);
    for (const std::string& sample : {text, raw}) {
        const std::string once = vantry::NormalizeHandleText(sample);
        if (once.size() != 9 || vantry::NormalizeHandleText(once) != once) {
            std::abort();
        }
    }
    return 0;
}
