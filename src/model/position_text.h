// The "Position" tab's texts and the scaling of its screen miniature.
#pragma once

#include "core/box.h"

#include <cstdint>
#include <string>

namespace vantry {

// "(left, top) - (right, bottom)" in signed decimal.
std::string RectText(const Box& rect);

// "Minimized", "Maximized" or "Normal"; a minimised window is never asked about zooming.
std::string StateText(bool iconic, bool zoomed);

// A screen rectangle scaled into the preview: the screen's pixel (0, 0) lands on (1, 1) and the
// whole screen fills the box less one unit; corners are inclusive.
struct PreviewScale {
    float sx = 0, sy = 0;
    PreviewScale(int boxWidth, int boxHeight, int screenWidth, int screenHeight);
    Box Map(const Box& screenRect) const;
};

} // namespace vantry
