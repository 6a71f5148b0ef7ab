// The seven 16 x 16 pictures of the main toolbar, one per command, in button order.
#pragma once

#include "core/image.h"

#include <vector>

namespace vantry {

constexpr pictures::Rgb kToolbarMask = 0xFF00FF;

// Update, VIS, Props, Resource, Find, Activate, Flash.
std::vector<pictures::Image> ToolbarPictures();

} // namespace vantry
