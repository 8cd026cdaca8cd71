// The refresh request, the automatic-refresh timer and its rate.
#include "control/ctlStockpile.h"

#include "platform/convert/Checked.h"
#include "platform/convert/Convert.h"
#include "platform/ui/MousePointer.h"

namespace kv380 {

namespace {
// The workspace status in which a refresh may go to the host.
constexpr int32_t kWorkspaceReady = 3;
} // namespace

void ctlStockpile::cmdRefresh_Click() {
    trap("cmdRefresh", [&] {
        if (m_bRefreshing) {
            return;
        }
        if (as<IKVWorkspace>(m_oWorkspace)->Status() != kWorkspaceReady) {
            return;
        }
        // A hidden stockpile is not refreshed.
        if (!m_oDialogBar || !m_oDialogBar->Visible()) {
            return;
        }
        const int32_t n = SelectedOrganisation();
        const auto organisations = deref(m_oWorkspace).Organisations();
        if (deref(organisations).Count() < 1 || n < 1 || n > organisations->Count()) {
            return;
        }
        const auto views = deref(organisations->Item(n)).Views();
        deref(m_oViewsEvents).setViews(views);
        deref(views).Unload();
        views->Load();
        m_bRefreshing = true;
        setMousePointer(ui::pointer::Hourglass);
    });
}

void ctlStockpile::tmrRefreshMePlease_Timer() {
    if (chkAutoRefresh.Value() == ui::CheckBox::Checked && tmrRefreshMePlease.Interval() > 0) {
        cmdRefresh_Click();
    }
}

void ctlStockpile::chkAutoRefresh_Click() {
    if (chkAutoRefresh.Value() == ui::CheckBox::Checked) {
        // A box that holds no number leaves the stored rate as it is.
        const std::string text = txtRefreshRate.Text();
        if (convert::isNumeric(text)) {
            settings().setRefreshRate(convert::toLong(text));
        }
    } else {
        settings().setRefreshRate(0);
    }
}

void ctlStockpile::txtRefreshRate_Change() {
    const bool ticked = chkAutoRefresh.Value() == ui::CheckBox::Checked;
    try {
        const int32_t rate = convert::toLong(txtRefreshRate.Text());
        if (ticked) {
            settings().setRefreshRate(rate);
        }
        tmrRefreshMePlease.setInterval(checked::mul(rate, 1000)); // above 65535 ms the timer refuses
        m_lRefreshRate = rate;
    } catch (const AutomationError&) {
        // Refused quietly: the timer keeps its interval, and the stored rate goes back to the last one
        // accepted.
        if (ticked) {
            settings().setRefreshRate(m_lRefreshRate);
        }
    }
}

} // namespace kv380
