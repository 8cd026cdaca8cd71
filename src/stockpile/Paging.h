#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Page arithmetic of the view tabs: after the Options tab, a page holds at most VIEWS_PER_PAGE view tabs.
namespace kv380 {

inline constexpr int32_t VIEWS_PER_PAGE = 254;

// m_iPageCount for a views collection: the whole part of count / 254, plus one. A count that is a whole
// number of pages therefore gets one more page holding only the Options tab (254 views: 2 pages).
int32_t pageCountFor(int32_t viewCount);

// lbTotal's caption: "of 3 pages" (also "of 1 pages").
std::string pageTotalCaption(int32_t pageCount);

// View number shown by tab `tabIndex` (1-based; tab 1 is Options) on page `page`: (page - 1) x 254 +
// (tab - 1). It is what SelectedView returns, 0 for the Options tab of page 1. Out of range: 6.
int32_t viewNumber(int32_t page, int32_t tabIndex);

// The tab position (and list element) on page `page` that shows view `view`; the inverse of viewNumber.
int32_t tabPositionOfView(int32_t view, int32_t page);

// The views DisplayTabs shows on a page: numbers first .. first + count - 1 of the organisation's views.
struct PageViews {
    int32_t first{1};
    int32_t count{0};
};
PageViews viewsOnPage(int32_t viewCount, int32_t pageCount, int32_t page);

// Whether fraPage is shown (on the Options tab, and when views have loaded): only with two pages or more.
bool showsPageFrame(int32_t pageCount);

// After the views have loaded: a refresh keeps the current page while it still exists; otherwise the
// control returns to page 1 (m_iCurrentPage = 1, then txtPageNo = "1").
bool keepsCurrentPage(bool refreshing, int32_t currentPage, int32_t pageCount);

// The page number held by txtPageNo's text. Text that is not a number and negative numbers count as 0;
// numbers too large for 32 bits count as the largest, so they land on the last page.
int32_t pageNumberIn(std::string_view text);

// What a change of txtPageNo's text leads to.
struct PageNumberChange {
    enum class Kind {
        None,     // the page shown stays
        Rewrite,  // write `text` into txtPageNo (its change handling runs again) and stop
        ShowPage, // m_iCurrentPage = `page`, then DisplayTabs
    };
    Kind kind{Kind::None};
    std::string text;
    int32_t page{0};
};
PageNumberChange pageNumberChanged(std::string_view text, int32_t pageCount, int32_t currentPage);

} // namespace kv380
