#include "model/resource_files.h"

#include "core/little_endian.h"
#include "core/utf8.h"

namespace vantry {

namespace {

using pictures::Put16;
using pictures::Put32;

constexpr std::size_t kDirectoryHeader = 6;
constexpr std::size_t kGroupEntry = 14; // in a group resource: ends with the image's id
constexpr std::size_t kFileEntry = 16;  // in a file: ends with the image's offset

std::uint32_t Get16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Get32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return Get16(bytes, at) | Get16(bytes, at + 2) << 16;
}

// A size as a directory's byte holds it: 256 and more as 0.
std::uint8_t SizeByte(std::uint32_t size) {
    return static_cast<std::uint8_t>(size >= 256 ? 0 : size);
}

bool IsPng(std::span<const std::uint8_t> image) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return image.size() >= 24 &&
           std::equal(std::begin(kSignature), std::end(kSignature), image.begin());
}

// Width, height, planes and bits of one image (a DIB of colour and mask, or a PNG).
struct ImageShape {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t planes = 1;
    std::uint32_t bits = 32;
};

std::optional<ImageShape> ShapeOf(std::span<const std::uint8_t> image) {
    if (IsPng(image)) {
        const auto big = [&](std::size_t at) {
            return static_cast<std::uint32_t>(image[at] << 24 | image[at + 1] << 16 |
                                              image[at + 2] << 8 | image[at + 3]);
        };
        return ImageShape{big(16), big(20), 1, 32};
    }
    if (image.size() < 40 || Get32(image, 0) < 40) {
        return std::nullopt;
    }
    // The DIB's height counts colour and mask together.
    return ImageShape{Get32(image, 4), Get32(image, 8) / 2, Get16(image, 12), Get16(image, 14)};
}

struct FileImage {
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::uint8_t colours = 0; // 0 for 256 and more
    std::uint32_t planesOrHotX = 0;
    std::uint32_t bitsOrHotY = 0;
    std::span<const std::uint8_t> data;
};

Bytes WriteIconLikeFile(bool cursor, const std::vector<FileImage>& images) {
    Bytes file;
    Put16(file, 0);
    Put16(file, cursor ? 2 : 1);
    Put16(file, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = kDirectoryHeader + kFileEntry * images.size();
    for (const FileImage& image : images) {
        file.push_back(image.width);
        file.push_back(image.height);
        file.push_back(image.colours);
        file.push_back(0);
        Put16(file, image.planesOrHotX);
        Put16(file, image.bitsOrHotY);
        Put32(file, static_cast<std::uint32_t>(image.data.size()));
        Put32(file, static_cast<std::uint32_t>(offset));
        offset += image.data.size();
    }
    for (const FileImage& image : images) {
        file.insert(file.end(), image.data.begin(), image.data.end());
    }
    return file;
}

// A cursor image resource starts with its hot spot; the file keeps that in the directory.
std::optional<FileImage> CursorImage(std::span<const std::uint8_t> data, std::uint32_t width,
                                     std::uint32_t height) {
    if (data.size() < 4) {
        return std::nullopt;
    }
    return FileImage{SizeByte(width), SizeByte(height), 0,
                     Get16(data, 0),  Get16(data, 2),   data.subspan(4)};
}

} // namespace

std::optional<Bytes> BitmapFile(std::span<const std::uint8_t> dib) {
    if (dib.size() < 12) {
        return std::nullopt;
    }
    const std::uint64_t headerSize = Get32(dib, 0);
    std::uint64_t colours = 0;
    std::uint64_t palette = 0;
    if (headerSize == 12) { // BITMAPCOREHEADER: three bytes a colour
        const std::uint32_t bits = Get16(dib, 10);
        colours = bits <= 8 ? 1u << bits : 0;
        palette = colours * 3;
    } else if (headerSize >= 40 && headerSize <= dib.size()) {
        const std::uint32_t bits = Get16(dib, 14);
        const std::uint32_t compression = Get32(dib, 16);
        const std::uint32_t used = Get32(dib, 32);
        colours = used != 0 ? used : (bits <= 8 ? 1u << bits : 0);
        // BI_BITFIELDS and BI_ALPHABITFIELDS after a plain header: three or four masks.
        const std::uint64_t masks = headerSize == 40 ? (compression == 3   ? 12
                                                        : compression == 6 ? 16
                                                                           : 0)
                                                     : 0;
        palette = colours * 4 + masks;
    } else {
        return std::nullopt;
    }
    const std::uint64_t bitsOffset = 14 + headerSize + palette;
    if (bitsOffset > 14 + dib.size() || 14 + dib.size() > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    Bytes file{'B', 'M'};
    Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, static_cast<std::uint32_t>(bitsOffset));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

std::optional<Bytes>
GroupFile(std::span<const std::uint8_t> directory, bool cursor,
          const std::function<std::optional<Bytes>(std::uint16_t)>& imageById) {
    if (directory.size() < kDirectoryHeader || Get16(directory, 2) != (cursor ? 2u : 1u)) {
        return std::nullopt;
    }
    const std::size_t count = Get16(directory, 4);
    if (kDirectoryHeader + kGroupEntry * count > directory.size()) {
        return std::nullopt;
    }
    std::vector<Bytes> data; // owns the images the entries point into
    data.reserve(count);
    std::vector<FileImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry = directory.subspan(kDirectoryHeader + kGroupEntry * i, kGroupEntry);
        auto image = imageById(static_cast<std::uint16_t>(Get16(entry, 12)));
        if (!image) {
            return std::nullopt;
        }
        data.push_back(std::move(*image));
        if (cursor) {
            // A cursor group gives width and height in words, the height doubled (colour and
            // mask).
            const auto shaped = CursorImage(data.back(), Get16(entry, 0), Get16(entry, 2) / 2);
            if (!shaped) {
                return std::nullopt;
            }
            images.push_back(*shaped);
        } else {
            images.push_back(
                {entry[0], entry[1], entry[2], Get16(entry, 4), Get16(entry, 6), data.back()});
        }
    }
    return WriteIconLikeFile(cursor, images);
}

std::optional<Bytes> SingleImageFile(std::span<const std::uint8_t> image, bool cursor) {
    const auto shape = ShapeOf(cursor && image.size() >= 4 ? image.subspan(4) : image);
    if (!shape) {
        return std::nullopt;
    }
    if (cursor) {
        const auto shaped = CursorImage(image, shape->width, shape->height);
        return shaped ? std::optional(WriteIconLikeFile(true, {*shaped})) : std::nullopt;
    }
    // A lone image has no directory: its colour count follows from its bits, as icon
    // directories give it.
    const auto colours = static_cast<std::uint8_t>(shape->bits < 8 ? 1u << shape->bits : 0);
    return WriteIconLikeFile(false, {{SizeByte(shape->width), SizeByte(shape->height), colours,
                                      shape->planes, shape->bits, image}});
}

std::optional<std::string> StringBlockText(std::uint16_t block,
                                           std::span<const std::uint8_t> data) {
    if (block == 0) {
        return std::nullopt;
    }
    std::string text;
    std::size_t at = 0;
    for (std::uint32_t i = 0; i < 16 && at < data.size(); ++i) {
        if (at + 2 > data.size()) {
            return std::nullopt;
        }
        const std::size_t length = Get16(data, at);
        at += 2;
        if (at + length * 2 > data.size()) {
            return std::nullopt;
        }
        const std::u16string units = mAPI::Utf16Units(data.subspan(at, length * 2));
        at += length * 2;
        if (length == 0) {
            continue;
        }
        text += std::to_string((block - 1u) * 16u + i) + "\t";
        for (const char c : mAPI::Utf16ToUtf8(units)) {
            switch (c) {
            case '\t':
                text += "\\t";
                break;
            case '\r':
                text += "\\r";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\\':
                text += "\\\\";
                break;
            default:
                text += c;
            }
        }
        text += "\r\n";
    }
    return text;
}

std::optional<IconFileDirectory> ReadIconFile(std::span<const std::uint8_t> file) {
    if (file.size() < kDirectoryHeader || Get16(file, 0) != 0) {
        return std::nullopt;
    }
    const std::uint32_t type = Get16(file, 2);
    const std::size_t count = Get16(file, 4);
    const std::size_t imagesStart = kDirectoryHeader + kFileEntry * count;
    if ((type != 1 && type != 2) || imagesStart > file.size()) {
        return std::nullopt;
    }
    IconFileDirectory directory{type == 2, {}};
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry = file.subspan(kDirectoryHeader + kFileEntry * i, kFileEntry);
        const IconFileEntry read{entry[0] == 0 ? 256 : entry[0],
                                 entry[1] == 0 ? 256 : entry[1],
                                 entry[2],
                                 static_cast<int>(Get16(entry, 4)),
                                 static_cast<int>(Get16(entry, 6)),
                                 Get32(entry, 8),
                                 Get32(entry, 12)};
        if (read.offset < imagesStart ||
            static_cast<std::uint64_t>(read.offset) + read.size > file.size()) {
            return std::nullopt;
        }
        directory.entries.push_back(read);
    }
    return directory;
}

} // namespace vantry
