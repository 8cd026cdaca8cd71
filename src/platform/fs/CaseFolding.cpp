#include "platform/fs/CaseFolding.h"

namespace kv380::fs {

namespace {
// A byte that does not start a valid UTF-8 sequence stands for itself, outside the code point range.
constexpr char32_t kStrayByteBase = 0x110000;

} // namespace

std::vector<char32_t> decodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
            min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
            min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
            min = 0x10000;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        valid = valid && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (valid) {
            out.push_back(cp);
            i += length;
        } else {
            out.push_back(kStrayByteBase + lead);
            i += 1;
        }
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
