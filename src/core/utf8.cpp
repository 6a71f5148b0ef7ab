#include "core/utf8.h"

#include <cstdint>

namespace mAPI {

namespace {

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8CharLength(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<std::uint8_t>(text[0]);
    std::size_t length = 1;
    // The range the second byte must lie in excludes overlong forms, surrogates and values
    // past U+10FFFF.
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1; // ASCII, or a byte that starts no sequence
    }
    if (text.size() < length) {
        return 1;
    }
    const auto second = static_cast<std::uint8_t>(text[1]);
    if (second < low || second > high) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<std::uint8_t>(text[i]))) {
            return 1;
        }
    }
    return length;
}

std::size_t Utf8CharCount(std::string_view text) {
    std::size_t count = 0;
    while (!text.empty()) {
        text.remove_prefix(Utf8CharLength(text));
        ++count;
    }
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t bytes = 0;
    for (std::size_t chars = 0; chars < maxChars && bytes < text.size(); ++chars) {
        bytes += Utf8CharLength(text.substr(bytes));
    }
    return text.substr(0, bytes);
}

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, high || low ? U'\uFFFD' : static_cast<char32_t>(unit));
        }
    }
    return out;
}

std::u16string Utf16Units(std::span<const std::uint8_t> bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return units;
}

} // namespace mAPI
