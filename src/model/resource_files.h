// A module's resources as files of their own kind: .bmp, .ico, .cur, text, or the raw bytes.
// Everything here reads only the bytes it is given and refuses data that does not hold what it
// claims.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantry {

using Bytes = std::vector<std::uint8_t>;

// A bitmap resource (a DIB: header, colours, bits) with a file header in front.
std::optional<Bytes> BitmapFile(std::span<const std::uint8_t> dib);

// An icon group (RT_GROUP_ICON) as an .ico file, or a cursor group (RT_GROUP_CURSOR) as a .cur
// file: the directory rebuilt with file offsets and every image of the group (PNG images as
// they are). imageById gives an image's resource data; an image it cannot give refuses the
// whole group.
std::optional<Bytes> GroupFile(std::span<const std::uint8_t> directory, bool cursor,
                               const std::function<std::optional<Bytes>(std::uint16_t)>& imageById);

// One icon (RT_ICON) or cursor (RT_CURSOR) image as a one-image .ico or .cur file.
std::optional<Bytes> SingleImageFile(std::span<const std::uint8_t> image, bool cursor);

// A string block (RT_STRING number block) as UTF-8 lines "id<TAB>text" for its non-empty
// strings; ids are (block - 1) * 16 and on. Tabs, line breaks and backslashes in a string are
// written \t, \r, \n and \\ so that every string stays on its line.
std::optional<std::string> StringBlockText(std::uint16_t block, std::span<const std::uint8_t> data);

// An icon or cursor file's directory, read back.
struct IconFileEntry {
    int width = 0; // 256 for the 0 of the file
    int height = 0;
    int colours = 0; // 0 for 256 and more
    int planesOrHotX = 0;
    int bitsOrHotY = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};
struct IconFileDirectory {
    bool cursor = false;
    std::vector<IconFileEntry> entries;
};
// nullopt for a file whose header or entries are incomplete or whose images lie outside it.
std::optional<IconFileDirectory> ReadIconFile(std::span<const std::uint8_t> file);

} // namespace vantry
