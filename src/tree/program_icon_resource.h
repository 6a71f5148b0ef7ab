// The program icon from the executable's resources, at one size.
#pragma once

#include "core/handles.h"

namespace vantry {

mAPI::Icon LoadProgramIcon(int size);

} // namespace vantry
