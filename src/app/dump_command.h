// What the command line asks for besides the GUI: the usage, or a dump of the window tree.
#pragma once

#include "app/command_line.h"

#include <string>

namespace vantry {

// Prints the usage or writes the dump, without a window; returns the exit code (0 done, 1 the
// file could not be written, 2 a switch was wrong).
int RunCommandLine(const CommandLine& line);

} // namespace vantry
