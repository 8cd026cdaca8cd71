// The views-loaded handler, which counts the pages, and the page-number box.
#include "stockpile/ViewTabs.h"

#include "platform/convert/Convert.h"
#include "stockpile/EntryFeedback.h"
#include "stockpile/Paging.h"

namespace kv380 {

void ViewTabs::m_oViewsEvents_LoadComplete() {
    try {
        const auto views = m_host.organisationViews(m_shown.SelectedOrganisation());
        const int32_t count = deref(views).Count();
        m_shown.setPageCount(pageCountFor(count));
        m_design.lbTotal.setCaption(pageTotalCaption(m_shown.pageCount()));
        if (!keepsCurrentPage(m_refresh.refreshing(), m_shown.currentPage(), m_shown.pageCount())) {
            // The page first, then the box: its change handling then finds the page unchanged.
            m_shown.setCurrentPage(1);
            m_design.txtPageNo.setText("1");
        }
        if (m_shown.pageCount() > 1) {
            m_design.fraPage.setVisible(true);
        }
        DisplayTabs();
        if (m_design.TabStrip.selectedTab() == 1) {
            m_refresh.refreshEnded();
        }
    } catch (...) {
        // Whoever reports the failure, a refresh that waited for these views must not wait any longer.
        m_refresh.refreshEnded();
        throw;
    }
}

void ViewTabs::txtPageNo_Change() {
    const std::string text = m_design.txtPageNo.Text();
    // A box the user has just cleared is an edit under way, not a request for page 1: that waits until
    // the edit is finished (txtPageNo_EditFinished).
    if (convert::trimSpaces(text).empty()) {
        m_design.txtPageNo.setErrorMark({});
        return;
    }
    const std::string problem = pageNumberProblem(text, m_shown.pageCount());
    const PageNumberChange change = pageNumberChanged(text, m_shown.pageCount(), m_shown.currentPage());
    switch (change.kind) {
    case PageNumberChange::Kind::None:
        m_design.txtPageNo.setErrorMark({});
        break;
    case PageNumberChange::Kind::Rewrite:
        m_design.txtPageNo.setText(change.text); // runs this handling again, which clears the mark
        // The box now names a page, but the user is told why it is not the one typed.
        m_design.txtPageNo.setErrorMark(problem);
        break;
    case PageNumberChange::Kind::ShowPage:
        m_design.txtPageNo.setErrorMark({});
        m_shown.setCurrentPage(change.page);
        DisplayTabs();
        break;
    }
}

void ViewTabs::txtPageNo_EditFinished() {
    if (convert::trimSpaces(m_design.txtPageNo.Text()).empty()) {
        m_design.txtPageNo.setText("1"); // runs the change handling
    }
}

} // namespace kv380
