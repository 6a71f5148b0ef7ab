// The shared module: small stateless helpers over handles, texts and raw bytes.
// This header is portable; the Win32-only helpers live in mapi_win.h.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mAPI {

// An index outside the byte array, or one that leaves no room for the word's second byte.
class SubscriptOutOfRangeError : public std::out_of_range {
  public:
    SubscriptOutOfRangeError(std::int32_t index, std::size_t size);
};

// The 32-bit pattern of value as exactly 8 upper-case hex digits ("0001002A").
std::string HexStr8(std::int32_t value);

// A pointer-sized value (window procedure, instance, user data) at its true width: 16 digits
// where pointers take 8 bytes, otherwise the low 32 bits as 8 digits.
std::string HexPtr(std::uint64_t value, std::size_t bytes = sizeof(void*));

// Reads hex digits after any leading zeros; FFFFFFFF gives -1. Nullopt for a text that is no
// hexadecimal number (empty, zeros only, blanks, suffixes, signs) and for more than 8
// significant digits.
std::optional<std::int32_t> TryHexToLong(std::string_view text);

// The text before the first NUL; a text without NUL gives the empty text.
std::string TrimNull(std::string_view text);

// The little-endian unsigned word at bytes[index], bytes[index + 1].
// Throws SubscriptOutOfRangeError.
std::uint16_t GetWordAt(std::span<const std::uint8_t> bytes, std::int32_t index);

} // namespace mAPI
