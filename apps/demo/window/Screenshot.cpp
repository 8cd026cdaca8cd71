#include "window/Screenshot.h"

#include "control/ctlStockpile.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>

#include <cstdio>
#include <functional>

namespace kv380::demo {

namespace {

// Lets the event loop run until the condition holds or the time is up.
bool runUntil(const std::function<bool()>& condition, const QElapsedTimer& clock,
              std::chrono::milliseconds limit) {
    while (!condition()) {
        if (clock.elapsed() > limit.count()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
    }
    return true;
}

} // namespace

bool takeScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    ctlStockpile& control = session.control();
    QElapsedTimer clock;
    clock.start();
    if (!runUntil([&] { return control.tabsBuilt() && control.TabStrip.tabCount() >= 2; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the workspace's views did not load\n");
        return false;
    }
    control.TabStrip.selectTab(2);
    if (!runUntil([&] { return control.rwlvStockpile.exists(1) && control.rwlvStockpile[1].itemCount() > 0; },
                  clock, limit)) {
        std::fprintf(stderr, "screenshot: the view's objects did not show\n");
        return false;
    }
    // Let the widgets catch up with the filled list before the picture is taken.
    QElapsedTimer settle;
    settle.start();
    runUntil([&] { return settle.elapsed() > 300; }, clock, limit + std::chrono::seconds(1));
    const QPixmap picture = session.window().grab();
    if (picture.isNull() || !picture.save(file, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", file.toLocal8Bit().constData());
        return false;
    }
    return true;
}

} // namespace kv380::demo
