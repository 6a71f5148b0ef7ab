// The property bag in which a host keeps a user control's design values: keys with typed
// values, read with defaults and written leaving out values equal to their default.
#pragma once

#include "toolkit/font_desc.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tk {

// A picture by its handle; 0 is no picture.
struct PictureRef {
    std::uintptr_t handle = 0;
    bool operator==(const PictureRef&) const = default;
};

using PropertyValue = std::variant<std::uint32_t, bool, std::int16_t, FontDesc, PictureRef>;

class PropertyBag {
  public:
    // The stored value, or the default when the key is missing or holds another type.
    template <typename T> T Read(std::string_view key, const T& defaultValue) const {
        for (const auto& [name, value] : entries_) {
            if (name == key) {
                const T* stored = std::get_if<T>(&value);
                return stored ? *stored : defaultValue;
            }
        }
        return defaultValue;
    }

    // Stores value under key, or removes the key when value equals its default.
    template <typename T> void Write(std::string_view key, const T& value, const T& defaultValue) {
        Remove(key);
        if (!(value == defaultValue)) {
            entries_.emplace_back(std::string(key), value);
        }
    }

    std::size_t Count() const { return entries_.size(); }
    // Keys in the order they were written.
    std::vector<std::string> Keys() const;

  private:
    void Remove(std::string_view key);
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

} // namespace tk
