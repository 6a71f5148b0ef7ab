#include "core/mapi.h"

#include <cstring>

namespace mAPI {

SubscriptOutOfRangeError::SubscriptOutOfRangeError(std::int32_t index, std::size_t size)
    : std::out_of_range("subscript out of range: word at " + std::to_string(index) + " in " +
                        std::to_string(size) + " bytes") {}

namespace {

std::string HexDigits(std::uint64_t pattern, std::size_t count) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text(count, '0');
    for (std::size_t i = count; i-- > 0; pattern >>= 4) {
        text[i] = digits[pattern & 0xF];
    }
    return text;
}

} // namespace

std::string HexStr8(std::int32_t value) {
    return HexDigits(static_cast<std::uint32_t>(value), 8);
}

std::string HexPtr(std::uint64_t value, std::size_t bytes) {
    const std::size_t count = bytes >= 8 ? 16 : 8;
    return HexDigits(count == 8 ? static_cast<std::uint32_t>(value) : value, count);
}

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

std::optional<std::int32_t> TryHexToLong(std::string_view text) {
    const auto first = text.find_first_not_of('0');
    const std::string_view rest = first == std::string_view::npos ? "" : text.substr(first);
    if (rest.empty() || rest.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t pattern = 0;
    for (const char c : rest) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(pattern);
}

std::string TrimNull(std::string_view text) {
    const auto nul = text.find('\0');
    return nul == std::string_view::npos ? std::string() : std::string(text.substr(0, nul));
}

std::uint16_t GetWordAt(std::span<const std::uint8_t> bytes, std::int32_t index) {
    if (index < 0 || static_cast<std::uint64_t>(index) + 1 >= bytes.size()) {
        throw SubscriptOutOfRangeError(index, bytes.size());
    }
    const auto at = static_cast<std::size_t>(index);
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace mAPI
