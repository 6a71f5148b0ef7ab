#include "toolkit/property_bag.h"

#include <algorithm>

namespace tk {

std::vector<std::string> PropertyBag::Keys() const {
    std::vector<std::string> keys;
    for (const auto& entry : entries_) {
        keys.push_back(entry.first);
    }
    return keys;
}

void PropertyBag::Remove(std::string_view key) {
    std::erase_if(entries_, [key](const auto& entry) { return entry.first == key; });
}

} // namespace tk
