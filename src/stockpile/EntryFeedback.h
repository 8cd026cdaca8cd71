#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What the stock pile tells the user about a list and about entries it refuses: the match count of a view's
// list, the message of a list the filter left empty, and why a filter, a refresh rate or a page number is
// not taken. The texts are shown beside the stated behaviour; none of them changes what is stored or shown
// in the boxes themselves.
namespace kv380 {

// A count with its thousands grouped by commas: 1204 -> "1,204".
std::string groupedCount(int64_t count);

// The status line of a view's list: how many objects it lists of those it would list without the filter,
// "23 of 1,204".
std::string matchCountText(int32_t matched, int32_t total);

// The message in place of an empty list: "No object matches P-1[" when the (trimmed) filter is not empty and
// nothing is listed; "" otherwise (an empty view without a filter needs no explanation).
std::string emptyListText(std::string_view filterText, int32_t listed);

// Why the filter text is not a pattern the list can use; "" when it is one.
std::string filterProblem(std::string_view filterText);

// Why the refresh-rate box's text is refused (not a whole number, or outside what the timer takes); "" when
// it is accepted.
std::string refreshRateProblem(std::string_view text);

// Why the page-number box's text names no page of `pageCount`; "" when it does. A blank box is not a
// problem yet: it is the user's edit under way.
std::string pageNumberProblem(std::string_view text, int32_t pageCount);

} // namespace kv380
