#pragma once

#include "model/DemoHost.h"

#include <memory>

namespace kv380 {
class ctlStockpile;
namespace qt {
class QtScheduler;
}
} // namespace kv380

namespace kv380::demo {

class DemoWindow;
class ForwardingErrorReporter;

struct DemoSessionOptions {
    DemoHostOptions host{};
    // Nobody watches (a screenshot): message boxes are answered with their default button.
    bool unattended = false;
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

    // Attaches the control to the drawing application and its "Stockpile" bar, shows the window and lets
    // the workspace open once the event loop runs.
    void start();

    DemoHost& host() const { return *m_host; }
    ctlStockpile& control() const { return *m_control; }
    DemoWindow& window() const { return *m_window; }

private:
    bool m_unattended;
    std::shared_ptr<ForwardingErrorReporter> m_reporter;
    std::unique_ptr<DemoHost> m_host;
    std::unique_ptr<ctlStockpile> m_control;
    std::unique_ptr<DemoWindow> m_window;
};

} // namespace kv380::demo
