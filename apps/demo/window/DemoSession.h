#pragma once

#include "control/_ctlStockpile.h"
#include "model/DemoHost.h"
#include "platform/hosting/Com.h"

#include <functional>
#include <memory>

namespace kv380::demo {

class DemoWindow;
class ForwardingErrorReporter;

// Makes the stock pile control the session embeds.
using StockpileCreator = std::function<hosting::ComPtr<_ctlStockpile>()>;

// The stock pile created by its class name, as any host creates it: registered first when its class name
// does not lead to the library this program runs with (on the first run, or after the build moved).
hosting::ComPtr<_ctlStockpile> createStockpileByClassName();

struct DemoSessionOptions {
    DemoHostOptions host{};
    // Nobody watches (a screenshot): message boxes are answered with their default button.
    bool unattended = false;
    // Where the control comes from; by its class name unless a test hands in another way.
    StockpileCreator createStockpile = createStockpileByClassName;
};

// One run of the demo, set up and torn down in order: the Qt scheduler and desktop and the error report
// (shown in the status bar and written to standard error), the host, the stock pile control, the window.
// Needs a QApplication.
//
//   QApplication app(argc, argv);
//   DemoSession session;
//   session.start();      // the control attached, the window shown, the workspace opening
//   return app.exec();
class DemoSession {
public:
    explicit DemoSession(DemoSessionOptions options = {});
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // Attaches the control to the drawing application and its "Stockpile" bar, shows the window (with one
    // message when the workspace database cannot be written) and lets the workspace open once the event loop
    // runs.
    void start();

    DemoHost& host() const { return *m_host; }
    // The control, through its default interface (its user control is what the window draws).
    _ctlStockpile& control() const { return *m_control; }
    DemoWindow& window() const { return *m_window; }

private:
    bool m_unattended;
    std::shared_ptr<ForwardingErrorReporter> m_reporter;
    std::unique_ptr<DemoHost> m_host;
    hosting::ComPtr<_ctlStockpile> m_control;
    std::unique_ptr<DemoWindow> m_window;
};

} // namespace kv380::demo
