// The pointing hand over the "Window" tab's links.
#pragma once

#include "core/image.h"

namespace vantry {

constexpr int kJumpPointerSize = 32;
constexpr int kJumpHotSpotX = 13;
constexpr int kJumpHotSpotY = 9;
// Black outline, white hand, transparent elsewhere; the fingertip is the hot spot.
pictures::Image DrawJumpPointer();

} // namespace vantry
