// The seven 16 x 16 pictures of the main toolbar, one per command, in button order.
#pragma once

#include "core/image.h"

#include <vector>

namespace vantry {

// Update, VIS, Props, Resource, Find, Activate, Flash.
std::vector<pictures::Image> ToolbarPictures();

} // namespace vantry
