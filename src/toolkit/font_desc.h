// A font as designs and property bags give it.
#pragma once

#include <string>

namespace tk {

struct FontDesc {
    std::string face = "Tahoma";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontDesc&) const = default;
};

} // namespace tk
