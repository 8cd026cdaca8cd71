#include "window/DemoSession.h"

#include "control/ComponentEntryPoints.h"
#include "model/ForwardingErrorReporter.h"
#include "model/drawing/DrawingApplication.h"
#include "platform/AutomationError.h"
#include "platform/Scheduler.h"
#include "platform/hosting/ClassRegistry.h"
#include "platform/hosting/ComponentLoader.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MsgBoxStyle.h"
#include "qt/QtDesktop.h"
#include "qt/QtScheduler.h"
#include "window/DemoWindow.h"
#include "window/UnattendedDesktop.h"

namespace kv380::demo {

hosting::ComPtr<_ctlStockpile> createStockpileByClassName() {
    const auto registered = hosting::lookupClass(StockpileProgId);
    if (!registered || registered->libraryPath != componentLibraryPath()) {
        if (!hosting::succeeded(DllRegisterServer())) {
            throw AutomationError(err::CannotCreateObject, "kv380_demo",
                                  std::string("Cannot register ") + StockpileProgId);
        }
    }
    return hosting::createObjectAs<_ctlStockpile>(StockpileProgId, IID__ctlStockpile);
}

DemoSession::DemoSession(DemoSessionOptions options)
    : m_unattended(options.unattended), m_reporter(std::make_shared<ForwardingErrorReporter>()) {
    setCurrentScheduler(std::make_shared<qt::QtScheduler>());
    ui::setCurrentDesktop(m_unattended ? std::make_shared<UnattendedDesktop>()
                                       : std::make_shared<qt::QtDesktop>());
    setSharedErrorReporter(m_reporter);
    m_host = DemoHost::create(std::move(options.host));
    m_control = options.createStockpile();
    m_window = std::make_unique<DemoWindow>(*m_host, *m_control);
    m_reporter->setSink([window = m_window.get()](const ErrorReportEntry& report) {
        writeToStandardError(report);
        window->showReport(report);
    });
}

DemoSession::~DemoSession() {
    // Reports made while tearing down go to standard error only: the window goes first.
    m_reporter->setSink(nullptr);
    m_window.reset();
    m_control.reset();
    m_host.reset();
    setSharedErrorReporter(nullptr);
    ui::setCurrentDesktop(nullptr);
    setCurrentScheduler(nullptr);
}

void DemoSession::start() {
    m_control->setApplicationObject(m_host->application());
    m_control->setDialogBar(m_host->stockpileBar());
    if (!m_unattended) {
        m_control->RestoreVisibility();
    }
    m_window->show();
    // Said once, at the start: the writes that follow are no reason to say it again.
    if (!m_host->workspaceNotice().empty()) {
        ui::currentDesktop().MsgBox(m_host->workspaceNotice(), ui::msgbox::OKOnly | ui::msgbox::Information,
                                    "Read-only workspace");
    }
    m_host->openWorkspaceLater();
}

} // namespace kv380::demo
