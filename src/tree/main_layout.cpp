#include "tree/main_layout.h"

namespace vantry {

TreeExtent MainTreeExtent(int scaleWidth, int scaleHeight, int statusBarHeight, int treeTop) {
    TreeExtent extent{scaleWidth, std::nullopt};
    const int height = scaleHeight - statusBarHeight - treeTop;
    if (height >= 0) {
        extent.height = height;
    }
    return extent;
}

} // namespace vantry
