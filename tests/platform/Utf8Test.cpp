#include "platform/convert/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380 {
namespace {

constexpr char32_t bad(unsigned char byte) {
    return utf8::InvalidByteBase + byte;
}

std::vector<char32_t> decodeAll(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < text.size();) {
        out.push_back(utf8::decode(text, pos));
    }
    return out;
}

// The text's encoding of a code point, written out independently of the decoder.
std::string encode(char32_t c) {
    std::string out;
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
    return out;
}

bool isCharacter(char32_t c) {
    return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

TEST(Utf8, ValidSequencesReadAsOneCharacterEach) {
    struct Case {
        const char* text;
        std::vector<char32_t> chars;
    };
    const Case cases[] = {
        {"", {}},
        {"A-1", {U'A', U'-', U'1'}},
        {"\x7f", {0x7F}},
        {"\xc2\x80\xdf\xbf", {0x80, 0x7FF}},                       // two bytes, first and last
        {"\xe0\xa0\x80\xef\xbf\xbf", {0x800, 0xFFFF}},             // three bytes
        {"\xed\x9f\xbf\xee\x80\x80", {0xD7FF, 0xE000}},            // either side of the surrogates
        {"\xf0\x90\x80\x80\xf4\x8f\xbf\xbf", {0x10000, 0x10FFFF}}, // four bytes
        {"P\u00fcmpe \u65e5\U0001F600", {U'P', 0xFC, U'm', U'p', U'e', U' ', 0x65E5, 0x1F600}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeAll(c.text), c.chars) << c.text;
    }
}

TEST(Utf8, InvalidSequencesReadAsSingleBytesAndReadingResumesAfterEach) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<char32_t> chars;
    };
    const Case cases[] = {
        {"overlong 2-byte /", "\xc0\xaf", {bad(0xC0), bad(0xAF)}},
        {"overlong 2-byte U+007F", "\xc1\xbf", {bad(0xC1), bad(0xBF)}},
        {"overlong 3-byte /", "\xe0\x80\xaf", {bad(0xE0), bad(0x80), bad(0xAF)}},
        {"overlong 3-byte U+07FF", "\xe0\x9f\xbf", {bad(0xE0), bad(0x9F), bad(0xBF)}},
        {"overlong 4-byte /", "\xf0\x80\x80\xaf", {bad(0xF0), bad(0x80), bad(0x80), bad(0xAF)}},
        {"overlong 4-byte U+FFFF", "\xf0\x8f\xbf\xbf", {bad(0xF0), bad(0x8F), bad(0xBF), bad(0xBF)}},
        {"high surrogate", "\xed\xa0\x80", {bad(0xED), bad(0xA0), bad(0x80)}},
        {"low surrogate", "\xed\xbf\xbf", {bad(0xED), bad(0xBF), bad(0xBF)}},
        {"U+110000", "\xf4\x90\x80\x80", {bad(0xF4), bad(0x90), bad(0x80), bad(0x80)}},
        {"lead F5", "\xf5\x80\x80\x80", {bad(0xF5), bad(0x80), bad(0x80), bad(0x80)}},
        {"lead FF", "\xff", {bad(0xFF)}},
        {"2-byte cut at the end", "a\xc3", {U'a', bad(0xC3)}},
        {"3-byte cut at the end", "\xe2\x82", {bad(0xE2), bad(0x82)}},
        {"4-byte cut at the end", "\xf0\x9f\x98", {bad(0xF0), bad(0x9F), bad(0x98)}},
        {"cut by an ASCII byte",
         "\xe2\x82"
         "A",
         {bad(0xE2), bad(0x82), U'A'}},
        {"cut by the next lead", "\xe2\xc3\xa9", {bad(0xE2), 0xE9}},
        {"lone continuation bytes",
         "\x80"
         "a\xbf",
         {bad(0x80), U'a', bad(0xBF)}},
        {"continuation after a whole character", "\xc3\xa9\xa9", {0xE9, bad(0xA9)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeAll(c.text), c.chars) << c.what;
    }
}

TEST(Utf8, EveryCharacterReadsBackFromItsEncoding) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!isCharacter(c)) {
            continue;
        }
        const std::string text = encode(c);
        std::size_t pos = 0;
        ASSERT_EQ(utf8::decode(text, pos), c);
        ASSERT_EQ(pos, text.size());
    }
}

// Whatever the bytes, a read takes either one invalid byte, which reads as that byte's own value, or exactly
// the encoding of a character. So no two different texts read the same, and an invalid byte equals nothing
// but the same byte. Every text of up to two bytes is tried, three-byte texts from each lead of 0xC0 up
// with every second byte and third bytes from each class, and four-byte texts after each lead of one.
TEST(Utf8, AnInvalidByteMatchesOnlyItselfAndCharactersOnlyTheirEncoding) {
    const auto check = [](const std::string& text) {
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t start = pos;
            const char32_t c = utf8::decode(text, pos);
            ASSERT_GT(pos, start);
            const std::string_view taken = std::string_view(text).substr(start, pos - start);
            if (utf8::isInvalidByte(c)) {
                ASSERT_EQ(taken.size(), 1u) << text;
                ASSERT_EQ(c, bad(static_cast<unsigned char>(taken[0]))) << text;
                ASSERT_GE(static_cast<unsigned char>(taken[0]), 0x80) << text;
            } else {
                ASSERT_TRUE(isCharacter(c)) << text;
                ASSERT_EQ(taken, encode(c)) << text;
            }
        }
    };
    std::string text;
    for (int a = 0; a < 256; ++a) {
        check(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b) {
            text = {static_cast<char>(a), static_cast<char>(b)};
            check(text);
        }
    }
    for (int a = 0xC0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            for (int c : {0x00, 0x41, 0x7F, 0x80, 0x9F, 0xA0, 0xBF, 0xC0, 0xC2, 0xE0, 0xF4, 0xFF}) {
                text = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)};
                check(text);
            }
        }
    }
    for (int a = 0xF0; a <= 0xF4; ++a) {
        for (int b = 0x80; b <= 0xBF; ++b) {
            for (int d : {0x00, 0x41, 0x7F, 0x80, 0xA5, 0xBF, 0xC0, 0xF4, 0xFF}) {
                text = {static_cast<char>(a), static_cast<char>(b), static_cast<char>(0x80),
                        static_cast<char>(d)};
                check(text);
            }
        }
    }
    // No two invalid bytes read alike, and none is a character.
    for (int b = 0x80; b < 256; ++b) {
        EXPECT_FALSE(isCharacter(bad(static_cast<unsigned char>(b))));
        EXPECT_TRUE(utf8::isInvalidByte(bad(static_cast<unsigned char>(b))));
    }
    EXPECT_FALSE(utf8::isInvalidByte(0x10FFFF));
    EXPECT_FALSE(utf8::isInvalidByte(U'A'));
}

TEST(Utf8, LengthsAndCountsFollowTheSameRule) {
    EXPECT_EQ(utf8::sequenceLength("\xf0\x9f\x98\x80", 0), 4u);
    EXPECT_EQ(utf8::sequenceLength("\xe0\x80\xaf", 0), 1u);
    EXPECT_EQ(utf8::sequenceLength("a\xc3\xa9", 1), 2u);
    EXPECT_EQ(utf8::characterCount(""), 0u);
    EXPECT_EQ(utf8::characterCount("P\u00fcmpe"), 5u);
    EXPECT_EQ(utf8::characterCount("\xed\xa0\x80"), 3u); // an encoded surrogate is three bytes
    EXPECT_EQ(utf8::characterCount("\xe2\x82\xac\xe2\x82"), 3u);
}

} // namespace
} // namespace kv380
