#include "stockpile/ShownView.h"

#include "platform/convert/Checked.h"
#include "stockpile/Paging.h"
#include "stockpile/ReportError.h"
#include "stockpile/Wildcard.h"

namespace kv380 {

ShownView::ShownView(StockpileDesign& design, HostLinks& host) : m_design(design), m_host(host) {}

int32_t ShownView::SelectedOrganisation() {
    int32_t result = 0;
    trap("SelectedOrganisation", [&] { result = checked::add(m_design.cmbOrganiseBy.ListIndex(), 1); });
    return result;
}

int32_t ShownView::SelectedView() {
    int32_t result = 0;
    trap("SelectedView", [&] { result = viewNumber(m_iCurrentPage, m_design.TabStrip.selectedTab()); });
    return result;
}

std::string ShownView::SelectedViewKey() {
    const int32_t organisationIndex = SelectedOrganisation();
    const int32_t viewIndex = SelectedView();
    if (organisationIndex < 1 || viewIndex < 1) {
        return {};
    }
    const auto organisation = m_host.organisation(organisationIndex);
    return deref(organisation).Name() + "/" + deref(deref(organisation->Views()).Item(viewIndex)).Id();
}

bool ShownView::InFilter(const std::string& name) {
    bool result = false;
    trap("InFilter", [&] { result = passesFilter(name, m_design.txtFilterBy.Text()); });
    return result;
}

std::shared_ptr<IKVViews> ShownView::selectedViews() {
    return m_host.organisationViews(SelectedOrganisation());
}

std::shared_ptr<IKVView> ShownView::selectedView() {
    const auto views = selectedViews();
    return deref(views).Item(SelectedView());
}

int32_t ShownView::tabPosition() const {
    return m_design.TabStrip.selectedTab() - 1;
}

int32_t ShownView::tabPositionOf(int32_t view) const {
    return tabPositionOfView(view, m_iCurrentPage);
}

std::optional<bool> ShownView::sortFlag(const std::string& viewKey) const {
    const auto found = m_ViewSortFlags.find(viewKey);
    if (found == m_ViewSortFlags.end()) {
        return std::nullopt;
    }
    return found->second;
}

void ShownView::registerView(const std::string& viewKey) {
    m_ViewSortFlags.try_emplace(viewKey, false);
}

void ShownView::setSortFlag(const std::string& viewKey, bool sorted) {
    m_ViewSortFlags.insert_or_assign(viewKey, sorted);
}

bool ShownView::showsSmallIcons(const std::string& viewKey) const {
    return m_ViewSmallIcons.count(viewKey) != 0;
}

void ShownView::setSmallIcons(const std::string& viewKey, bool small) {
    if (small) {
        m_ViewSmallIcons.insert(viewKey);
    } else {
        m_ViewSmallIcons.erase(viewKey);
    }
}

void ShownView::clearViewChoices() {
    m_ViewSortFlags.clear();
    m_ViewSmallIcons.clear();
}

} // namespace kv380
