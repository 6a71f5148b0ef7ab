#include "model/resource_logic.h"

#include "core/mapi.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vantry {

namespace {

// Pictures, previews and ways of saving, short.
using P = TreePicture;
using V = ResourcePreview;
using S = ResourceSave;

constexpr std::array<ResourceKind, 20> kResourceKinds{{
    {1, "Cursor", P::Other, V::None, S::Cursor},
    {2, "Bitmaps", P::Bitmap, V::Bitmap, S::Bitmap},
    {3, "Icon", P::Other, V::None, S::Icon},
    {4, "Menu", P::Other, V::None, S::Raw},
    {5, "Dialog fields", P::Other, V::None, S::Raw},
    {6, "Strings", P::Strings, V::Strings, S::StringBlock},
    {7, "Font Directory", P::Other, V::None, S::Raw},
    {8, "Fonts", P::Other, V::None, S::Raw},
    {9, "Accelerator", P::Other, V::None, S::Raw},
    {10, "RAW Data", P::Other, V::None, S::Raw},
    {11, "Message table", P::Other, V::None, S::Raw},
    {12, "Cursor", P::CursorGroup, V::CursorGroup, S::CursorGroup},
    {14, "Icons", P::IconGroup, V::IconGroup, S::IconGroup},
    {16, "Version information", P::Other, V::None, S::Raw},
    {17, "Dialog fields/Head database", P::Other, V::None, S::Raw},
    {19, "Plug & Play-Information", P::Other, V::None, S::Raw},
    {20, "Virtual device driver", P::Other, V::None, S::Raw},
    {21, "Animated Cursor", P::Other, V::None, S::Raw},
    {22, "Animated Icon", P::Other, V::None, S::Raw},
    {23, "HTML-Pages", P::Other, V::None, S::Raw},
}};

} // namespace

ResourceKind KindOfType(std::uint32_t type) {
    const auto found = std::find_if(kResourceKinds.begin(), kResourceKinds.end(),
                                    [type](const ResourceKind& kind) { return kind.type == type; });
    return found == kResourceKinds.end() ? ResourceKind{.type = type, .name = {}} : *found;
}

TypeDisplay NumericTypeDisplay(std::uint32_t type) {
    const ResourceKind kind = KindOfType(type);
    if (kind.name.empty()) {
        return {"#" + std::to_string(type), TreePicture::Other};
    }
    return {std::string(kind.name), kind.picture};
}

std::string TypeKey(std::string_view typeText) {
    return "t" + std::string(typeText);
}

std::string NameKey(std::string_view typeText, std::string_view nameText) {
    std::string key;
    key.reserve(2 + typeText.size() + nameText.size());
    key += 'n';
    key += typeText;
    key += '|';
    key += nameText;
    return key;
}

std::optional<NameKeyParts> SplitNameKey(std::string_view key) {
    const auto bar = key.find('|');
    if (key.empty() || key.front() != 'n' || bar == std::string_view::npos) {
        return std::nullopt;
    }
    NameKeyParts parts;
    parts.typeText = std::string(key.substr(1, bar - 1));
    parts.nameText = std::string(key.substr(bar + 1));
    return parts;
}

std::optional<std::uint16_t> ResourceNumber(std::string_view text) {
    std::uint16_t value = 0;
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string BytesToText(std::span<const std::uint8_t> bytes) {
    std::u16string units = mAPI::Utf16Units(bytes);
    std::erase_if(units, [](char16_t unit) {
        return unit < 32 && unit != 8 && unit != 9 && unit != 10 && unit != 13;
    });
    return mAPI::Utf16ToUtf8(units);
}

std::optional<std::vector<IconGroupEntry>> ParseIconGroup(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kHeader = 6;
    constexpr std::size_t kEntry = 14;
    if (bytes.size() < kHeader || mAPI::GetWordAt(bytes, 2) != 1) {
        return std::nullopt;
    }
    const std::size_t claimed = mAPI::GetWordAt(bytes, 4);
    const std::size_t held = (bytes.size() - kHeader) / kEntry;
    std::vector<IconGroupEntry> entries;
    for (std::size_t i = 0; i < std::min(claimed, held); ++i) {
        const auto entry = bytes.subspan(kHeader + kEntry * i, kEntry);
        entries.push_back({entry[0] == 0 ? 256 : entry[0], entry[1] == 0 ? 256 : entry[1], entry[6],
                           static_cast<std::uint16_t>(entry[12] | entry[13] << 8)});
    }
    return entries;
}

CellSize IconCellSize(const std::vector<IconGroupEntry>& entries) {
    CellSize cell;
    for (const IconGroupEntry& entry : entries) {
        cell.width = std::max(cell.width, entry.width + 2);
        cell.height = std::max(cell.height, entry.height + 2);
    }
    return cell;
}

int CentredOffset(int cell, int size) {
    const int twice = cell - size;
    // twice / 2 with halves to the even neighbour
    int half = twice / 2;
    if (twice % 2 != 0) {
        const int other = twice > 0 ? half + 1 : half - 1;
        half = (half % 2 == 0) ? half : other;
    }
    return half;
}

} // namespace vantry
