#include "platform/convert/Convert.h"

#include "platform/AutomationError.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace kv380::convert {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Parses [sign] digits [. digits] | [sign] . digits, with blanks around, without regard to the locale.
std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec == std::errc::invalid_argument || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    if (result.ec == std::errc::result_out_of_range) {
        value = HUGE_VAL; // still a number, just far out of any range we convert to
    }
    return negative ? -value : value;
}

} // namespace

int32_t toLong(std::string_view text) {
    const auto value = parseNumber(text);
    if (!value) {
        raise(err::TypeMismatch);
    }
    return roundToLong(*value);
}

bool isNumeric(std::string_view text) { return parseNumber(text).has_value(); }

bool toBoolean(std::string_view text) {
    const std::string_view t = trimBlanks(text);
    auto equalsNoCase = [&](std::string_view word) {
        if (t.size() != word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < t.size(); ++i) {
            char c = t[i];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
            if (c != word[i]) {
                return false;
            }
        }
        return true;
    };
    if (equalsNoCase("true")) {
        return true;
    }
    if (equalsNoCase("false")) {
        return false;
    }
    const auto value = parseNumber(t);
    if (!value) {
        raise(err::TypeMismatch);
    }
    return *value != 0;
}

std::string booleanText(bool value) { return value ? "True" : "False"; }

float roundHalfEven(float value) { return std::nearbyint(value); }
double roundHalfEven(double value) { return std::nearbyint(value); }

int32_t roundToLong(double value) {
    if (!std::isfinite(value)) {
        raise(err::Overflow);
    }
    const double rounded = std::nearbyint(value); // the default rounding mode is to nearest, ties to even
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        raise(err::Overflow);
    }
    return static_cast<int32_t>(rounded);
}

std::string trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace kv380::convert
