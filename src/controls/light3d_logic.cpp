#include "controls/light3d_logic.h"

namespace vantry {

std::array<FrameLine, 4> FrameLines(int width, int height, int aboveTop) {
    return {{
        {0, 0, width - 1, 0},                      // top
        {0, 0, 0, height - 1},                     // left
        {0, height - 1, width, height - 1},        // bottom
        {width - 1, height, width - 1, -aboveTop}, // right, past the top
    }};
}

PixelRect LineRect(const FrameLine& line) {
    // Along one axis the line covers [first, second) going either way; across it, one pixel.
    auto span = [](int first, int second) {
        return first <= second ? std::make_pair(first, second - first)
                               : std::make_pair(second + 1, first - second);
    };
    if (line.y1 == line.y2) {
        const auto [left, width] = span(line.x1, line.x2);
        return {left, line.y1, width, 1};
    }
    const auto [top, height] = span(line.y1, line.y2);
    return {line.x1, top, 1, height};
}

std::array<std::uint32_t, 4> FrameColors(std::int16_t style) {
    if (style == kSunken) {
        return {kShadowColor, kShadowColor, kHighlightColor, kHighlightColor};
    }
    return {kHighlightColor, kHighlightColor, kShadowColor, kShadowColor};
}

Light3DProperties ReadLight3D(const tk::PropertyBag& bag, const tk::FontDesc& ambientFont) {
    const Light3DProperties defaults;
    Light3DProperties read;
    read.backColor = bag.Read(kLight3DKeys[0], defaults.backColor);
    read.foreColor = bag.Read(kLight3DKeys[1], defaults.foreColor);
    read.enabled = bag.Read(kLight3DKeys[2], defaults.enabled);
    read.font = bag.Read(kLight3DKeys[3], ambientFont);
    read.backStyle = bag.Read(kLight3DKeys[4], defaults.backStyle);
    read.borderStyle = bag.Read(kLight3DKeys[5], defaults.borderStyle);
    read.picture = bag.Read(kLight3DKeys[6], defaults.picture);
    read.autoRedraw = bag.Read(kLight3DKeys[7], defaults.autoRedraw);
    read.style = bag.Read(kLight3DKeys[8], defaults.style);
    return read;
}

void WriteLight3D(const Light3DProperties& properties, tk::PropertyBag& bag,
                  const tk::FontDesc& ambientFont) {
    const Light3DProperties defaults;
    bag.Write(kLight3DKeys[0], properties.backColor, defaults.backColor);
    bag.Write(kLight3DKeys[1], properties.foreColor, defaults.foreColor);
    bag.Write(kLight3DKeys[2], properties.enabled, defaults.enabled);
    bag.Write(kLight3DKeys[3], properties.font, ambientFont);
    bag.Write(kLight3DKeys[4], properties.backStyle, defaults.backStyle);
    bag.Write(kLight3DKeys[5], properties.borderStyle, defaults.borderStyle);
    bag.Write(kLight3DKeys[6], properties.picture, defaults.picture);
    bag.Write(kLight3DKeys[7], properties.autoRedraw, defaults.autoRedraw);
    bag.Write(kLight3DKeys[8], properties.style, defaults.style);
}

} // namespace vantry
