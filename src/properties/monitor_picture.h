// The monitor under the "Position" tab's screen miniature: 95 x 75 pixels in 16 colours.
#pragma once

#include "core/image.h"

namespace vantry {

constexpr int kMonitorWidth = 95;
constexpr int kMonitorHeight = 75;

pictures::Image DrawMonitorPicture(pictures::Rgb background);

} // namespace vantry
