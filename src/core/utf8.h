// Counting and cutting UTF-8 text by characters (code points), for the caps the program puts
// on captions and class names once its code page is UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mAPI {

// Bytes of the character that starts text: 1 to 4 for a well-formed sequence, and 1 for a byte
// that starts none (a stray continuation, an overlong form, a surrogate, a sequence cut short),
// so that malformed text still advances one byte at a time. 0 for the empty text.
std::size_t Utf8CharLength(std::string_view text);

// The number of characters in text, each malformed byte counting as one.
std::size_t Utf8CharCount(std::string_view text);

// The first maxChars characters of text, never a character cut in half.
std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars);

// UTF-16 text (as resources hold it) in UTF-8; a surrogate without its pair becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Little-endian bytes as UTF-16 code units; a trailing odd byte is left out.
std::u16string Utf16Units(std::span<const std::uint8_t> bytes);

} // namespace mAPI
