#include "platform/fs/CaseFolding.h"

#include "platform/convert/Utf8.h"

namespace kv380::fs {

std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        out.push_back(utf8::decode(text, i));
    }
    return out;
}

char32_t foldCase(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c == 0x178) {
        return 0xFF; // Ÿ -> ÿ
    }
    // Latin Extended-A pairs upper/lower case in neighbouring code points (İ and ı have no partner).
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c % 2 == 1) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
        return c + 0x20; // Greek capitals
    }
    if (c == 0x3C2) {
        return 0x3C3; // final sigma is a sigma
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20; // Cyrillic capitals
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50; // Cyrillic capitals with marks (Ѐ..Џ)
    }
    if (c >= 0xFF21 && c <= 0xFF3A) {
        return c + 0x20; // full-width Latin capitals
    }
    return c;
}

std::vector<char32_t> foldedName(std::string_view name) {
    std::vector<char32_t> folded = decodeUtf8(name);
    for (char32_t& c : folded) {
        c = foldCase(c);
    }
    return folded;
}

} // namespace kv380::fs
