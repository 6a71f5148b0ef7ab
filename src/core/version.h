// The program's title and version; also read by the resource compiler.
#pragma once

#define VANTRY_TITLE "Vantry"
#define VANTRY_VERSION_MAJOR 1
#define VANTRY_VERSION_MINOR 0
#define VANTRY_VERSION_TEXT "1.0"

// Resource id of the program icon.
#define VANTRY_ICON_ID 1
