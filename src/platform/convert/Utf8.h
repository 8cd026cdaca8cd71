#pragma once

#include <cstddef>
#include <string_view>

// UTF-8 text read one character (code point) at a time, the same way everywhere text is matched, counted
// or cut. A character is a whole valid sequence. Anything else is read one byte at a time: an overlong
// form, an encoded surrogate, a value beyond U+10FFFF, a sequence cut short by the end of the text or by a
// byte that does not continue it, a stray continuation byte, or a byte that never starts a sequence
// (0xC0, 0xC1, 0xF5 to 0xFF). Such a byte reads as a value of its own above U+10FFFF, so it equals only the
// same byte, never a character; reading resumes at the byte after it.
namespace kv380::utf8 {

// An invalid byte b reads as InvalidByteBase + b.
inline constexpr char32_t InvalidByteBase = 0x110000;

// Whether a value read from text stands for an invalid byte (only 0x80 to 0xFF can be one).
constexpr bool isInvalidByte(char32_t value) {
    return value >= InvalidByteBase + 0x80 && value <= InvalidByteBase + 0xFF;
}

namespace detail {
char32_t decodeNonAscii(std::string_view text, std::size_t& pos) noexcept;
}

// Reads the character that starts at text[pos] (pos < text.size()) and moves pos past it.
inline char32_t decode(std::string_view text, std::size_t& pos) noexcept {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {
        ++pos;
        return byte;
    }
    return detail::decodeNonAscii(text, pos);
}

// The number of bytes (1 to 4) of the character that starts at text[pos] (pos < text.size()).
inline std::size_t sequenceLength(std::string_view text, std::size_t pos) noexcept {
    std::size_t next = pos;
    decode(text, next);
    return next - pos;
}

// The number of characters of the text.
std::size_t characterCount(std::string_view text) noexcept;

} // namespace kv380::utf8
