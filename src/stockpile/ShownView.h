#pragma once

#include "stockpile/HostLinks.h"
#include "stockpile/StockpileDesign.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace kv380 {

// What the stock pile shows: the selected organisation, the page of view tabs, the selected view, whether
// the tabs of the page are complete, and the display choices kept per view (sort flag, small icons), keyed
// by the view key "organisation name/view Id". Every part of the control asks here which view is meant;
// the tab handling (ViewTabs) is what changes it.
class ShownView {
public:
    ShownView(StockpileDesign& design, HostLinks& host);

    // cmbOrganiseBy's selected position plus one: 0 when nothing is selected.
    int32_t SelectedOrganisation();
    // The view number the selected tab shows on the current page: 0 on the Options tab of page 1.
    int32_t SelectedView();
    // The selected view's key, or "" when no organisation or no view is selected.
    std::string SelectedViewKey();
    // Whether an object name passes the pattern in txtFilterBy.
    bool InFilter(const std::string& name);

    // The selected organisation's views, and the selected view among them (the host's error, or 91, when
    // either cannot be had; the view index is not checked).
    std::shared_ptr<IKVViews> selectedViews();
    std::shared_ptr<IKVView> selectedView();

    // The selected tab's position on the page: 0 for the Options tab, 1 to 254 for view tabs.
    int32_t tabPosition() const;
    // The tab position (and list element) that shows view number `view` on the current page.
    int32_t tabPositionOf(int32_t view) const;

    // Pages of view tabs (1-based).
    int32_t currentPage() const { return m_iCurrentPage; }
    void setCurrentPage(int32_t page) { m_iCurrentPage = page; }
    int32_t pageCount() const { return m_iPageCount; }
    void setPageCount(int32_t count) { m_iPageCount = count; }

    // The tabs and list elements of the current page are complete; false while they are rebuilt.
    bool tabsBuilt() const { return m_bTabsBuilt; }
    void setTabsBuilt(bool built) { m_bTabsBuilt = built; }

    // The per-view sort flag: registered as false the first time a view's tab is built.
    std::optional<bool> sortFlag(const std::string& viewKey) const;
    void registerView(const std::string& viewKey);
    void setSortFlag(const std::string& viewKey, bool sorted);
    // Whether the view's list shows small icons (absent: large icons).
    bool showsSmallIcons(const std::string& viewKey) const;
    void setSmallIcons(const std::string& viewKey, bool small);
    // Forgets every view's choices.
    void clearViewChoices();

private:
    StockpileDesign& m_design;
    HostLinks& m_host;
    int32_t m_iCurrentPage{1};
    int32_t m_iPageCount{1};
    bool m_bTabsBuilt{false};
    std::map<std::string, bool> m_ViewSortFlags;
    std::set<std::string> m_ViewSmallIcons;
};

} // namespace kv380
