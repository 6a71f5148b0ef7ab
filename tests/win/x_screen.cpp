#include "x_screen.h"

#include "test_windows.h"
#include "unix_command.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

namespace testwin {

namespace {

// A binary portable pixmap: "P6", width, height and the largest value as text, then three bytes
// a pixel, row by row.
std::optional<ScreenPicture> ReadPpm(const std::string& file) {
    std::size_t at = 0;
    const auto number = [&]() -> std::optional<int> {
        while (at < file.size() && std::isspace(static_cast<unsigned char>(file[at]))) {
            ++at;
        }
        int value = 0;
        const std::size_t first = at;
        while (at < file.size() && std::isdigit(static_cast<unsigned char>(file[at])) &&
               value < 100000) {
            value = value * 10 + (file[at++] - '0');
        }
        return at == first ? std::nullopt : std::optional(value);
    };
    if (file.compare(0, 2, "P6") != 0) {
        return std::nullopt;
    }
    at = 2;
    const auto width = number();
    const auto height = number();
    const auto largest = number();
    if (!width || !height || largest != 255 || ++at > file.size() ||
        file.size() - at < static_cast<std::size_t>(*width) * *height * 3) {
        return std::nullopt;
    }
    ScreenPicture picture{*width, *height, {}};
    picture.pixels.reserve(static_cast<std::size_t>(*width) * *height);
    for (std::size_t i = 0; i < static_cast<std::size_t>(*width) * *height; ++i, at += 3) {
        const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(file[at + k]); };
        picture.pixels.push_back(RGB(byte(0), byte(1), byte(2)));
    }
    return picture;
}

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        Pump();
        Sleep(10);
    }
}

} // namespace

std::vector<COLORREF> ScreenPicture::Inside(RECT rect) const {
    std::vector<COLORREF> inside;
    for (int y = std::max<LONG>(rect.top, 0); y < std::min<LONG>(rect.bottom, height); ++y) {
        for (int x = std::max<LONG>(rect.left, 0); x < std::min<LONG>(rect.right, width); ++x) {
            inside.push_back(pixels[static_cast<std::size_t>(y) * width + x]);
        }
    }
    return inside;
}

std::optional<ScreenPicture> XScreenPicture() {
    PumpFor(300); // Wine passes drawn windows to the X server as it handles messages
    const auto picture = UnixCommandOutput("import -window root -depth 8 ppm:-");
    return picture ? ReadPpm(*picture) : std::nullopt;
}

} // namespace testwin
