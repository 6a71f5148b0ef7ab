// What the X server shows. Under Wine, a picture read through Wine (GetDC(nullptr) + BitBlt) is
// Wine's own copy of each window, which can be drawn while the screen shows black; a test of
// what a user sees reads the screen from the X server.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace testwin {

struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // row by row

    // The pixels inside rect, in screen coordinates, row by row; what lies off the picture is
    // left out.
    std::vector<COLORREF> Inside(RECT rect) const;
};

// The whole X screen, read with one image request on the root window (ImageMagick's import);
// nullopt where there is none to ask (not under Wine, no display, no import) or its answer
// cannot be read. (xwd -root is no judge here: it puts the screen together window by window
// by colour map and leaves out a window that lies wholly inside another of its process.) Pumps this
// thread's messages while it waits, so that Wine hands the windows' pictures to the X server.
std::optional<ScreenPicture> XScreenPicture();

} // namespace testwin
