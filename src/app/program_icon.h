// The program icon, drawn in code: a window with a magnifying glass over its corner.
#pragma once

#include "core/image.h"

namespace vantry {

// size is 16, 32 or 48 pixels; fullColour picks the 256-colour drawing over the 16-colour one.
pictures::Image DrawProgramIcon(int size, bool fullColour);

} // namespace vantry
