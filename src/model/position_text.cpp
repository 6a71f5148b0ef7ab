#include "model/position_text.h"

#include <cmath>

namespace vantry {

std::string RectText(const Box& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") - (" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

std::string StateText(bool iconic, bool zoomed) {
    if (iconic) {
        return "Minimized";
    }
    return zoomed ? "Maximized" : "Normal";
}

PreviewScale::PreviewScale(int boxWidth, int boxHeight, int screenWidth, int screenHeight)
    : sx(screenWidth > 0 ? static_cast<float>(boxWidth - 2) / static_cast<float>(screenWidth) : 0),
      sy(screenHeight > 0 ? static_cast<float>(boxHeight - 2) / static_cast<float>(screenHeight)
                          : 0) {}

Box PreviewScale::Map(const Box& r) const {
    auto at = [](float value) { return static_cast<int>(std::lround(value)); };
    return {at(static_cast<float>(r.left) * sx + 1), at(static_cast<float>(r.top) * sy + 1),
            at(static_cast<float>(r.right) * sx), at(static_cast<float>(r.bottom) * sy)};
}

} // namespace vantry
