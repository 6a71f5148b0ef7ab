#include "x_screen.h"

#include "test_windows.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace testwin {

namespace {

std::uint32_t Big32(const std::string& bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[at + i]); };
    return static_cast<std::uint32_t>(byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
}

// An X window dump of a screen of 24-bit colour, three or four bytes a pixel: a header of
// big-endian words, the window's name, the colour map, then the rows.
std::optional<ScreenPicture> ReadXwd(const std::string& file) {
    constexpr std::size_t kHeaderWords = 25;
    if (file.size() < kHeaderWords * 4) {
        return std::nullopt;
    }
    const std::uint32_t headerSize = Big32(file, 0);
    const std::uint32_t width = Big32(file, 16);
    const std::uint32_t height = Big32(file, 20);
    const std::uint32_t byteOrder = Big32(file, 28); // 0: least significant byte first
    const std::uint32_t bitsPerPixel = Big32(file, 44);
    const std::uint32_t bytesPerLine = Big32(file, 48);
    const std::uint32_t redMask = Big32(file, 56);
    const std::uint32_t colourCount = Big32(file, 76);
    const std::uint64_t start = static_cast<std::uint64_t>(headerSize) + colourCount * 12ull;
    const std::uint32_t pixelBytes = bitsPerPixel / 8;
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || redMask != 0xFF0000 || width > 8192 ||
        height > 8192 || bytesPerLine < width * pixelBytes ||
        start + static_cast<std::uint64_t>(bytesPerLine) * height > file.size()) {
        return std::nullopt;
    }
    ScreenPicture picture{static_cast<int>(width), static_cast<int>(height), {}};
    picture.pixels.reserve(static_cast<std::size_t>(width) * height);
    // The last three bytes of a big-endian pixel, the first three of a little-endian one.
    const std::size_t skip = byteOrder == 0 ? 0 : pixelBytes - 3;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::size_t at =
                start + static_cast<std::size_t>(y) * bytesPerLine + x * pixelBytes + skip;
            const auto byte = [&](std::size_t i) {
                return static_cast<std::uint8_t>(file[at + i]);
            };
            picture.pixels.push_back(byteOrder == 0 ? RGB(byte(2), byte(1), byte(0))
                                                    : RGB(byte(0), byte(1), byte(2)));
        }
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
    // Wine starts a Unix program when asked to run one, without waiting for it: the dump is
    // written beside its final name and renamed when whole.
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") ||
        GetFileAttributesA("Z:\\usr\\bin\\xwd") == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    static int taken = 0;
    const std::string name = "/tmp/vantry-screen-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++taken);
    const std::string windowsName = "Z:" + name + ".xwd";
    DeleteFileA(windowsName.c_str());
    PumpFor(300); // Wine passes drawn windows to the X server as it handles messages
    std::string command = "/bin/sh -c \"xwd -root -silent -out " + name + ".part && mv " + name +
                          ".part " + name + ".xwd\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return std::nullopt;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    for (int waited = 0;
         waited < 500 && GetFileAttributesA(windowsName.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++waited) {
        Pump();
        Sleep(20);
    }
    auto picture = ReadXwd(ReadWholeFile(windowsName));
    DeleteFileA(windowsName.c_str());
    return picture;
}

} // namespace testwin
