// The refresh request, the automatic-refresh timer and its rate.
#include "stockpile/RefreshChain.h"

#include "platform/convert/Checked.h"
#include "platform/convert/Convert.h"
#include "platform/ui/MousePointer.h"
#include "stockpile/EntryFeedback.h"
#include "stockpile/ReportError.h"

namespace kv380 {

namespace {
// The workspace status in which a refresh may go to the host.
constexpr int32_t kWorkspaceReady = 3;
} // namespace

RefreshChain::RefreshChain(StockpileDesign& design, HostLinks& host, ShownView& shown, LoadSinks& sinks)
    : m_design(design), m_host(host), m_shown(shown), m_sinks(sinks) {}

void RefreshChain::cmdRefresh_Click() {
    trap("cmdRefresh", [&] {
        if (m_bRefreshing) {
            return;
        }
        // Without a workspace (never attached, or its reading failed and was reported) nothing is ready to
        // refresh; saying so again on every tick of the automatic refresh would flood the user.
        if (!m_host.m_oWorkspace) {
            return;
        }
        if (as<IKVWorkspace>(m_host.m_oWorkspace)->Status() != kWorkspaceReady) {
            return;
        }
        // A hidden stockpile is not refreshed.
        if (!m_host.m_oDialogBar || !m_host.m_oDialogBar->Visible()) {
            return;
        }
        const int32_t n = m_shown.SelectedOrganisation();
        const auto organisations = m_host.organisations();
        if (deref(organisations).Count() < 1 || n < 1 || n > organisations->Count()) {
            return;
        }
        const auto views = deref(organisations->Item(n)).Views();
        m_sinks.setViews(views);
        deref(views).Unload();
        views->Load();
        // A refused subscription has been reported: no completion will come, so there is nothing to wait
        // for, and waiting would make every later request do nothing.
        if (!m_sinks.viewsSubscribed()) {
            return;
        }
        m_bRefreshing = true;
        m_design.owner.setMousePointer(ui::pointer::Hourglass);
    });
}

void RefreshChain::tmrRefreshMePlease_Timer() {
    if (m_design.chkAutoRefresh.Value() == ui::CheckBox::Checked &&
        m_design.tmrRefreshMePlease.Interval() > 0) {
        cmdRefresh_Click();
    }
}

void RefreshChain::chkAutoRefresh_Click() {
    if (m_design.chkAutoRefresh.Value() == ui::CheckBox::Checked) {
        // A box that holds no number leaves the stored rate as it is.
        const std::string text = m_design.txtRefreshRate.Text();
        if (convert::isNumeric(text)) {
            m_host.settings().setRefreshRate(convert::toLong(text));
        }
    } else {
        m_host.settings().setRefreshRate(0);
    }
}

void RefreshChain::txtRefreshRate_Change() {
    const bool ticked = m_design.chkAutoRefresh.Value() == ui::CheckBox::Checked;
    try {
        const int32_t rate = convert::toLong(m_design.txtRefreshRate.Text());
        if (ticked) {
            m_host.settings().setRefreshRate(rate);
        }
        m_design.tmrRefreshMePlease.setInterval(checked::mul(rate, 1000)); // above 65535 ms the timer refuses
        m_lRefreshRate = rate;
        m_design.txtRefreshRate.setErrorMark({});
    } catch (const AutomationError&) {
        // Refused without a message: the timer keeps its interval, and the stored rate goes back to the
        // last one accepted. The box is marked, so the refusal is not silent.
        m_design.txtRefreshRate.setErrorMark(refreshRateProblem(m_design.txtRefreshRate.Text()));
        if (ticked) {
            m_host.settings().setRefreshRate(m_lRefreshRate);
        }
    }
}

void RefreshChain::startUp() {
    const int32_t rate = m_host.settings().RefreshRate();
    if (rate < 1) {
        m_design.chkAutoRefresh.setValue(ui::CheckBox::Unchecked);
        m_design.txtRefreshRate.setText("0");
    } else {
        m_design.txtRefreshRate.setText(std::to_string(rate));
        m_design.chkAutoRefresh.setValue(ui::CheckBox::Checked);
    }
    m_lRefreshRate = convert::toLong(m_design.txtRefreshRate.Text());
}

void RefreshChain::timerOff() {
    m_design.tmrRefreshMePlease.setEnabled(false);
}

void RefreshChain::timerOn() {
    m_design.tmrRefreshMePlease.setEnabled(true);
}

bool RefreshChain::timerOnNow() const {
    return m_design.tmrRefreshMePlease.Enabled();
}

void RefreshChain::refreshEnded() {
    m_bRefreshing = false;
    m_design.owner.setMousePointer(ui::pointer::Default);
}

} // namespace kv380
