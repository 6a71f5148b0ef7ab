// The pictures of the resource tree (16 x 17): bitmaps, icon groups, cursor groups, string
// tables and every other type.
#pragma once

#include "core/image.h"

namespace vantry {

constexpr int kTreePictureWidth = 16;
constexpr int kTreePictureHeight = 17;

// Counted from 1, as the tree counts its images; Other stays last.
enum class TreePicture : int { Bitmap = 1, IconGroup, CursorGroup, Strings, Other };

pictures::Image DrawTreePicture(TreePicture picture);

} // namespace vantry
