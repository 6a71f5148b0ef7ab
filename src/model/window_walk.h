// The desktop's windows as records, walked as the main tree walks them: the same order, the
// same visible-windows filter, each window met once.
#pragma once

#include "model/tree_dump.h"

namespace vantry {

WindowRecord ReadWindowTree(bool onlyVisible);

} // namespace vantry
