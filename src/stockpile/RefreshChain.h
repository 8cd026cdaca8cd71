#pragma once

#include "stockpile/HostLinks.h"
#include "stockpile/LoadSinks.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"

#include <cstdint>

namespace kv380 {

// The refresh request (the button, the timer, the context menu), the automatic-refresh timer and its rate.
//
// A refresh reloads the selected organisation's views and lets the load-completion chain do the rest:
// views loaded -> tabs rebuilt -> the shown view's objects requested -> objects loaded and listed. While it
// waits for the host the refresh flag is set and further requests are ignored; whoever ends the chain,
// completed or cut short by a failure, calls refreshEnded, so that the flag never stays set.
class RefreshChain {
public:
    RefreshChain(StockpileDesign& design, HostLinks& host, ShownView& shown, LoadSinks& sinks);

    void cmdRefresh_Click();
    void tmrRefreshMePlease_Timer();
    void chkAutoRefresh_Click();
    void txtRefreshRate_Change();

    // Start-up: the rate box and the check box from the stored rate (their assignments run the handlers
    // above, as a user's edit would), then the accepted rate from the box.
    void startUp();

    // A refresh is waiting for the host.
    bool refreshing() const { return m_bRefreshing; }
    // The last accepted rate, in seconds.
    int32_t refreshRate() const { return m_lRefreshRate; }

    // The automatic-refresh timer: off while a tab change or a list fill is handled and while a menu is
    // open, on again at their end.
    void timerOff();
    void timerOn();
    bool timerOnNow() const;

    // The chain has ended: the flag is cleared and the pointer comes back.
    void refreshEnded();

private:
    StockpileDesign& m_design;
    HostLinks& m_host;
    ShownView& m_shown;
    LoadSinks& m_sinks;
    int32_t m_lRefreshRate{0};
    bool m_bRefreshing{false};
};

} // namespace kv380
