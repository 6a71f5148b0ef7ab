// What the Light3D frame control computes without a window: the four frame lines for a size,
// their colours for a style, and its properties as a host's property bag keeps them.
#pragma once

#include "toolkit/property_bag.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vantry {

constexpr std::uint32_t kShadowColor = 0x80000010;    // button shadow
constexpr std::uint32_t kHighlightColor = 0x80000014; // button highlight
// VB's true: a Style of exactly -1 is sunken, any other value raised.
constexpr std::int16_t kSunken = -1;
constexpr std::int16_t kRaised = 0;

struct FrameLine {
    int x1, y1, x2, y2; // the second end is not drawn
    bool operator==(const FrameLine&) const = default;
};

// Top, left, bottom and right lines for a surface of width x height pixels; the right line
// runs up to aboveTop pixels above the surface (its design end).
std::array<FrameLine, 4> FrameLines(int width, int height, int aboveTop);

// The pixels a one-pixel line covers, as a window rectangle: from its first end up to, not
// including, its second end.
struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};
PixelRect LineRect(const FrameLine& line);

// Colours of the four lines for a Style value.
std::array<std::uint32_t, 4> FrameColors(std::int16_t style);

// The surface point PSet_ draws for the caller's (x, y): inside the one-pixel frame.
constexpr std::pair<int, int> SurfacePoint(int x, int y) {
    return {x + 1, y + 1};
}

struct Light3DProperties {
    std::uint32_t backColor = 0x8000000F;
    std::uint32_t foreColor = 0x80000012;
    bool enabled = true;
    tk::FontDesc font;
    std::int16_t backStyle = 1;
    std::int16_t borderStyle = 0;
    tk::PictureRef picture;
    bool autoRedraw = false;
    std::int16_t style = kSunken;
};

// The bag keys, in the order they are read and written.
constexpr std::array<std::string_view, 9> kLight3DKeys{"BackColor", "ForeColor",  "Enabled",
                                                       "Font",      "BackStyle",  "BorderStyle",
                                                       "Picture",   "AutoRedraw", "Style"};

Light3DProperties ReadLight3D(const tk::PropertyBag& bag, const tk::FontDesc& ambientFont);
void WriteLight3D(const Light3DProperties& properties, tk::PropertyBag& bag,
                  const tk::FontDesc& ambientFont);

} // namespace vantry
