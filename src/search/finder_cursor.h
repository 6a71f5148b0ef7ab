// The finder's gun sight: the crosshair box's picture and the pointer during a drag.
#pragma once

#include "core/image.h"

namespace vantry {

constexpr int kFinderCursorSize = 32;
constexpr int kFinderHotSpotX = 16;
constexpr int kFinderHotSpotY = 15;
// Pixels of the cursor image are black, white or this.
constexpr pictures::Rgb kFinderTransparent = 0xFF00FF;

pictures::Image DrawFinderCursor();

} // namespace vantry
