#include "stockpile/EntryFeedback.h"

#include "platform/AutomationError.h"
#include "platform/convert/Convert.h"
#include "stockpile/ListFilter.h"

#include <algorithm>

namespace kv380 {

namespace {

// The timer takes at most 65535 ms, so a rate of whole seconds goes up to 65.
constexpr int32_t kLargestRate = 65;

// Whether a "[" opens a list that no "]" closes, as the pattern reads it.
bool hasUnclosedList(std::string_view text) {
    bool inList = false;
    for (const char c : text) {
        if (!inList && c == '[') {
            inList = true;
        } else if (inList && c == ']') {
            inList = false;
        }
    }
    return inList;
}

} // namespace

std::string groupedCount(int64_t count) {
    const bool negative = count < 0;
    // Digits from the magnitude, built without negating the smallest value.
    std::string digits;
    do {
        const int64_t digit = count % 10;
        digits.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        count /= 10;
    } while (count != 0);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    if (negative) {
        grouped.push_back('-');
    }
    std::reverse(grouped.begin(), grouped.end());
    return grouped;
}

std::string matchCountText(int32_t matched, int32_t total) {
    return groupedCount(matched) + " of " + groupedCount(total);
}

std::string emptyListText(std::string_view filterText, int32_t listed) {
    const std::string filter = convert::trimSpaces(filterText);
    if (filter.empty() || listed > 0) {
        return {};
    }
    return "No object matches " + filter;
}

std::string filterProblem(std::string_view filterText) {
    const ListFilter filter(filterText);
    if (!filter.malformed()) {
        return {};
    }
    if (hasUnclosedList(filterText)) {
        return "The pattern has a \"[\" that is never closed: end the list of characters with \"]\".";
    }
    return "The pattern has a range that runs backwards: write a range as a-z, not z-a.";
}

std::string refreshRateProblem(std::string_view text) {
    if (!convert::isNumeric(text)) {
        return "Not a number: enter whole seconds from 0 to 65.";
    }
    try {
        const int32_t rate = convert::toLong(text);
        if (rate >= 0 && rate <= kLargestRate) {
            return {};
        }
    } catch (const AutomationError&) {
        // Too large for a number of seconds: out of range as well.
    }
    return "Out of range: enter whole seconds from 0 to 65.";
}

std::string pageNumberProblem(std::string_view text, int32_t pageCount) {
    if (convert::trimSpaces(text).empty()) {
        return {};
    }
    const std::string range = "enter a page from 1 to " + std::to_string(pageCount) + ".";
    if (!convert::isNumeric(text)) {
        return "Not a page number: " + range;
    }
    try {
        const int32_t page = convert::toLong(text);
        if (page >= 1 && page <= pageCount) {
            return {};
        }
    } catch (const AutomationError&) {
        // Too large for a page number: out of range as well.
    }
    return "There is no page " + convert::trimSpaces(text) + ": " + range;
}

} // namespace kv380
