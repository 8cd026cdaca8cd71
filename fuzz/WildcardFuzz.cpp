// The list filter's wildcard matcher against a plain reference matcher: both must agree on every
// (pattern, name) pair, and a malformed pattern must be refused with 93 by both.
#include "stockpile/Wildcard.h"

#include "platform/AutomationError.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// Code points, with a byte that starts no valid UTF-8 sequence kept as a value of its own that no valid
// character has. Deliberately independent of the component's decoder.
std::vector<char32_t> decode(const std::string& text) {
    std::vector<char32_t> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        std::size_t length = b0 < 0x80             ? 1
                             : (b0 & 0xE0) == 0xC0 ? 2
                             : (b0 & 0xF0) == 0xE0 ? 3
                             : (b0 & 0xF8) == 0xF0 ? 4
                                                   : 0;
        char32_t value = length == 1   ? b0
                         : length == 2 ? (b0 & 0x1F)
                         : length == 3 ? (b0 & 0x0F)
                                       : (b0 & 0x07);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            valid = (b & 0xC0) == 0x80;
            value = (value << 6) | (b & 0x3F);
        }
        static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && value >= smallest[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        if (valid) {
            out.push_back(value);
            i += length;
        } else {
            out.push_back(0x110000 + b0);
            i += 1;
        }
    }
    return out;
}

struct Token {
    enum Kind { Literal, Any, Digit, List, Star };
    explicit Token(Kind k, char32_t c = 0) : kind(k), ch(c) {}
    Kind kind;
    char32_t ch;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges;
};

// nullopt: malformed (an unclosed "[" or a range whose end comes before its start).
std::optional<std::vector<Token>> parse(const std::vector<char32_t>& p) {
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == U'*') {
            tokens.emplace_back(Token::Star);
        } else if (c == U'?') {
            tokens.emplace_back(Token::Any);
        } else if (c == U'#') {
            tokens.emplace_back(Token::Digit);
        } else if (c == U'[') {
            std::size_t close = i + 1;
            while (close < p.size() && p[close] != U']') {
                ++close;
            }
            if (close >= p.size()) {
                return std::nullopt;
            }
            std::vector<char32_t> list(p.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                       p.begin() + static_cast<std::ptrdiff_t>(close));
            i = close;
            if (list.empty()) {
                continue;
            }
            Token t(Token::List);
            std::size_t k = 0;
            if (list[0] == U'!') {
                t.negated = true;
                k = 1;
            }
            while (k < list.size()) {
                if (k + 2 < list.size() && list[k + 1] == U'-') {
                    if (list[k + 2] < list[k]) {
                        return std::nullopt;
                    }
                    t.ranges.emplace_back(list[k], list[k + 2]);
                    k += 3;
                } else {
                    t.ranges.emplace_back(list[k], list[k]);
                    k += 1;
                }
            }
            tokens.push_back(t);
        } else {
            tokens.emplace_back(Token::Literal, c);
        }
    }
    return tokens;
}

bool accepts(const Token& t, char32_t c) {
    switch (t.kind) {
    case Token::Literal:
        return c == t.ch;
    case Token::Any:
        return true;
    case Token::Digit:
        return c >= U'0' && c <= U'9';
    case Token::List: {
        bool in = false;
        for (const auto& [low, high] : t.ranges) {
            in = in || (c >= low && c <= high);
        }
        return in != t.negated;
    }
    case Token::Star:
        return true;
    }
    return false;
}

// Classic dynamic programming over (tokens matched, characters consumed).
bool reference(const std::vector<Token>& tokens, const std::vector<char32_t>& name) {
    const std::size_t m = tokens.size();
    const std::size_t n = name.size();
    std::vector<std::vector<char>> ok(m + 1, std::vector<char>(n + 1, 0));
    ok[m][n] = 1;
    for (std::size_t t = m; t-- > 0;) {
        for (std::size_t c = n + 1; c-- > 0;) {
            if (tokens[t].kind == Token::Star) {
                ok[t][c] = ok[t + 1][c] || (c < n && ok[t][c + 1]);
            } else {
                ok[t][c] = c < n && accepts(tokens[t], name[c]) && ok[t + 1][c + 1];
            }
        }
    }
    return ok[0][0] != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string pattern = input.ConsumeRandomLengthString(64);
    const std::string name = input.ConsumeRemainingBytesAsString().substr(0, 256);

    const auto tokens = parse(decode(pattern));
    bool matched = false;
    try {
        matched = kv380::matchesWildcard(name, pattern);
    } catch (const kv380::AutomationError& e) {
        if (tokens || e.number() != 93) {
            // Refused a pattern the reference accepts, or with another number.
            kv380::fuzz::broken("a pattern is refused as the reference refuses it", __LINE__);
        }
        return 0;
    }
    FUZZ_CHECK(tokens.has_value());
    FUZZ_CHECK(matched == reference(*tokens, decode(name)));
    return 0;
}
