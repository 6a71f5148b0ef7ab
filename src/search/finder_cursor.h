// The finder's gun sight: the crosshair box's picture and the pointer during a drag.
#pragma once

#include "core/image.h"

namespace vantry {

constexpr int kFinderCursorSize = 32;
constexpr int kFinderHotSpotX = 16;
constexpr int kFinderHotSpotY = 15;
pictures::Image DrawFinderCursor();

} // namespace vantry
