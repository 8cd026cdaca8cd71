#include "stockpile/Paging.h"

#include "platform/AutomationError.h"
#include "platform/convert/Checked.h"
#include "platform/convert/Convert.h"

#include <algorithm>
#include <cstdint>

namespace kv380 {

int32_t pageCountFor(int32_t viewCount) {
    // A host cannot have fewer than no views; a negative count is read as none.
    return std::max(viewCount, int32_t{0}) / VIEWS_PER_PAGE + 1;
}

std::string pageTotalCaption(int32_t pageCount) {
    return "of " + std::to_string(pageCount) + " pages";
}

int32_t viewNumber(int32_t page, int32_t tabIndex) {
    return checked::add(checked::mul(checked::sub(page, 1), VIEWS_PER_PAGE), checked::sub(tabIndex, 1));
}

int32_t tabPositionOfView(int32_t view, int32_t page) {
    return checked::sub(view, checked::mul(checked::sub(page, 1), VIEWS_PER_PAGE));
}

PageViews viewsOnPage(int32_t viewCount, int32_t pageCount, int32_t page) {
    if (pageCount == 1) {
        return {1, std::max(viewCount, int32_t{0})};
    }
    const int32_t offset = checked::mul(checked::sub(page, 1), VIEWS_PER_PAGE);
    const int32_t count = page >= pageCount ? checked::sub(viewCount, offset) : VIEWS_PER_PAGE;
    // A page past the last views shows none (the tab loop simply does not run).
    return {checked::add(offset, 1), std::max(count, int32_t{0})};
}

bool showsPageFrame(int32_t pageCount) {
    return pageCount >= 2;
}

bool keepsCurrentPage(bool refreshing, int32_t currentPage, int32_t pageCount) {
    return refreshing && currentPage <= pageCount;
}

int32_t pageNumberIn(std::string_view text) {
    if (!convert::isNumeric(text)) {
        return 0;
    }
    try {
        return std::max(convert::toLong(text), int32_t{0});
    } catch (const AutomationError&) {
        // Numeric but beyond 32 bits: far above any page count when positive, like 0 when negative.
        const auto sign = text.find_first_not_of(" \t");
        return text[sign] == '-' ? 0 : INT32_MAX;
    }
}

PageNumberChange pageNumberChanged(std::string_view text, int32_t pageCount, int32_t currentPage) {
    const int32_t n = pageNumberIn(text);
    if (n == 0) {
        return {PageNumberChange::Kind::Rewrite, "1", 0};
    }
    if (n > pageCount) {
        return {PageNumberChange::Kind::Rewrite, std::to_string(pageCount), 0};
    }
    if (n != currentPage) {
        return {PageNumberChange::Kind::ShowPage, {}, n};
    }
    return {};
}

} // namespace kv380
