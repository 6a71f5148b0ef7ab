#include "properties/monitor_picture.h"

namespace vantry {

pictures::Image DrawMonitorPicture(pictures::Rgb background) {
    constexpr pictures::Rgb kBlack = 0x000000;
    constexpr pictures::Rgb kGrey = 0x808080;
    constexpr pictures::Rgb kSilver = 0xC0C0C0;
    constexpr pictures::Rgb kWhite = 0xFFFFFF;
    pictures::Image monitor(kMonitorWidth, kMonitorHeight, background);
    // Bezel with a light upper-left and a dark lower-right edge, black screen area inside.
    monitor.FillRect(0, 0, 95, 68, kSilver);
    monitor.FillRect(0, 0, 95, 1, kWhite);
    monitor.FillRect(0, 0, 1, 68, kWhite);
    monitor.FillRect(0, 67, 95, 68, kBlack);
    monitor.FillRect(94, 0, 95, 68, kBlack);
    monitor.FillRect(1, 66, 94, 67, kGrey);
    monitor.FillRect(93, 1, 94, 67, kGrey);
    monitor.FillRect(7, 5, 88, 63, kBlack);
    // The stand.
    monitor.FillRect(38, 68, 57, 71, kGrey);
    monitor.FillRect(28, 71, 67, 75, kSilver);
    monitor.FillRect(28, 74, 67, 75, kBlack);
    return monitor;
}

} // namespace vantry
