#include "platform/convert/Utf8.h"

namespace kv380::utf8 {

namespace detail {

char32_t decodeNonAscii(std::string_view text, std::size_t& pos) noexcept {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    // The second byte's range alone rules out overlong forms (after 0xE0 and 0xF0), surrogates (after
    // 0xED) and values beyond U+10FFFF (after 0xF4); 0xC0 and 0xC1 only ever start overlong forms.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    bool valid = length != 0 && text.size() - pos >= length && byte(1) >= low && byte(1) <= high;
    for (std::size_t k = 1; valid && k < length; ++k) {
        valid = (byte(k) & 0xC0) == 0x80;
        value = (value << 6) | (byte(k) & 0x3F);
    }
    if (!valid) {
        ++pos;
        return InvalidByteBase + lead;
    }
    pos += length;
    return value;
}

} // namespace detail

std::size_t characterCount(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); decode(text, pos)) {
        ++count;
    }
    return count;
}

} // namespace kv380::utf8
