// The resource view's logic without a window: type names and pictures, node keys, the
// icon-group directory, string blocks as text, and the preview's cell arithmetic.
#pragma once

#include "model/tree_pictures.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantry {

// How the resource view previews a type's resources, and how Save writes them.
enum class ResourcePreview { None, Bitmap, Strings, CursorGroup, IconGroup };
enum class ResourceSave { Raw, Cursor, Bitmap, Icon, StringBlock, CursorGroup, IconGroup };

// What the program knows of one numeric resource type. A new kind is one entry in the table
// behind KindOfType.
struct ResourceKind {
    std::uint32_t type = 0;
    std::string_view name; // as the tree shows it; empty for "#" and the number
    TreePicture picture = TreePicture::Other;
    ResourcePreview preview = ResourcePreview::None;
    ResourceSave save = ResourceSave::Raw;
};

// The kind of a numeric type; a type the table lacks has no name, the general picture, no
// preview and is saved as its raw bytes.
ResourceKind KindOfType(std::uint32_t type);

struct TypeDisplay {
    std::string text;
    TreePicture picture = TreePicture::Other;
};

// The display text and picture of a numeric resource type.
TypeDisplay NumericTypeDisplay(std::uint32_t type);

std::string TypeKey(std::string_view typeText);
std::string NameKey(std::string_view typeText, std::string_view nameText);

struct NameKeyParts {
    std::string typeText;
    std::string nameText;
};
// nullopt for a key that is not a name key ("n", type text, "|", name text).
std::optional<NameKeyParts> SplitNameKey(std::string_view key);

// A text made of decimal digits only, with a value that fits 16 bits, names a resource by
// number; any other text names it by string.
std::optional<std::uint16_t> ResourceNumber(std::string_view text);

// The bytes read as UTF-16 units (a string block's length words among them), keeping units of 32
// and more and 8, 9, 10, 13, in UTF-8.
std::string BytesToText(std::span<const std::uint8_t> bytes);

struct IconGroupEntry {
    int width = 0; // 0 in the directory means 256
    int height = 0;
    int bitsPerPixel = 0;
    std::uint16_t imageId = 0;
};
// The entries of an icon-group directory; nullopt when its type is not 1 (icon) or the header
// is incomplete. Only entries wholly inside the data are read, whatever the count claims.
std::optional<std::vector<IconGroupEntry>> ParseIconGroup(std::span<const std::uint8_t> bytes);

struct CellSize {
    int width = 0;
    int height = 0;
};
// One cell for every image: the largest image plus one pixel of margin on each side.
CellSize IconCellSize(const std::vector<IconGroupEntry>& entries);
// Where an image of size lies centred in a cell; halves go to the even neighbour.
int CentredOffset(int cell, int size);

} // namespace vantry
