#include "model/resource_logic.h"

#include "core/mapi.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vantry {

TypeDisplay NumericTypeDisplay(std::uint32_t type) {
    static constexpr std::array<std::pair<std::string_view, TreePicture>, 24> kTypes{{
        {"", TreePicture::Other},
        {"Cursor", TreePicture::Other},
        {"Bitmaps", TreePicture::Bitmap},
        {"Icon", TreePicture::Other},
        {"Menu", TreePicture::Other},
        {"Dialog fields", TreePicture::Other},
        {"Strings", TreePicture::Strings},
        {"Font Directory", TreePicture::Other},
        {"Fonts", TreePicture::Other},
        {"Accelerator", TreePicture::Other},
        {"RAW Data", TreePicture::Other},
        {"Message table", TreePicture::Other},
        {"Cursor", TreePicture::CursorGroup},
        {"", TreePicture::Other},
        {"Icons", TreePicture::IconGroup},
        {"", TreePicture::Other},
        {"Version information", TreePicture::Other},
        {"Dialog fields/Head database", TreePicture::Other},
        {"", TreePicture::Other},
        {"Plug & Play-Information", TreePicture::Other},
        {"Virtual device driver", TreePicture::Other},
        {"Animated Cursor", TreePicture::Other},
        {"Animated Icon", TreePicture::Other},
        {"HTML-Pages", TreePicture::Other},
    }};
    if (type < kTypes.size() && !kTypes[type].first.empty()) {
        return {std::string(kTypes[type].first), kTypes[type].second};
    }
    return {"#" + std::to_string(type), TreePicture::Other};
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
