// The five pictures of the resource tree (16 x 17): bitmaps, icon groups, cursor groups,
// string tables and every other type.
#pragma once

#include "core/image.h"

#include <vector>

namespace vantry {

constexpr int kTreePictureWidth = 16;
constexpr int kTreePictureHeight = 17;
std::vector<pictures::Image> ResourceTreePictures();

} // namespace vantry
