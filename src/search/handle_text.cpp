#include "search/handle_text.h"

#include "core/mapi.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace vantry {

namespace {

constexpr char kBackspace = 8;

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int32_t LeadingHexValue(std::string_view text) {
    std::uint32_t pattern = 0;
    for (const char c : text) {
        if (!IsHexDigit(c)) {
            break;
        }
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::uint32_t digit = IsDigit(upper) ? upper - '0' : upper - 'A' + 10;
        pattern = (pattern << 4) | digit; // more than 8 digits keep the last 8
    }
    return static_cast<std::int32_t>(pattern);
}

std::int32_t LeadingDecimalValue(std::string_view text) {
    std::size_t at = 0;
    double value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
    }
    if (at + 1 < text.size() &&
        (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd') &&
        IsDigit(text[at + 1])) {
        double exponent = 0;
        for (++at; at < text.size() && IsDigit(text[at]); ++at) {
            exponent = std::min(exponent * 10 + (text[at] - '0'), 1000.0);
        }
        value *= std::pow(10.0, exponent);
    }
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace

std::optional<char> FilterHandleKey(char key, std::string_view text) {
    if (key == kBackspace) {
        return key;
    }
    if (key == 'h' || key == 'H') {
        if (text.find('h') != std::string_view::npos) {
            return std::nullopt;
        }
        return 'h';
    }
    if (!IsHexDigit(key)) {
        return std::nullopt;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

std::int32_t HandleTextValue(std::string_view text) {
    if (text.find('h') != std::string_view::npos) {
        return LeadingHexValue(text.substr(0, text.size() - 1));
    }
    return LeadingDecimalValue(text);
}

std::string NormalizeHandleText(std::string_view text) {
    return mAPI::HexStr8(HandleTextValue(text)) + "h";
}

std::optional<std::int32_t> TryHandleFromText(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    return mAPI::TryHexToLong(text.substr(0, text.size() - 1));
}

} // namespace vantry
