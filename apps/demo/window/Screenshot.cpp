#include "window/Screenshot.h"

#include "control/_ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "platform/AutomationError.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "window/CanvasScript.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/DrawingCanvas.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// The panel's parts a picture needs, found by name in the user control the host draws.
struct Panel {
    ui::TabStrip& tabs;
    ui::ControlArray<ui::RWListView>& lists;
};

Panel panelOf(_ctlStockpile& control) {
    ui::UserControl& panel = control.UserControl();
    auto* tabs = panel.find<ui::TabStrip>("TabStrip");
    auto* lists = panel.findArray<ui::RWListView>("rwlvStockpile");
    if (tabs == nullptr || lists == nullptr) {
        throw std::logic_error("the stock pile has no tab strip or no list");
    }
    return {*tabs, *lists};
}

// Lets the widgets catch up (a filled list, its symbols drawn on the workers) before a picture is taken.
void settle(const QElapsedTimer& clock, std::chrono::milliseconds limit) {
    QElapsedTimer settling;
    settling.start();
    runUntil([&] { return settling.elapsed() > 800; }, clock, limit + std::chrono::seconds(1));
}

bool viewsLoaded(const Panel& panel, const QElapsedTimer& clock, std::chrono::milliseconds limit) {
    if (!runUntil([&] { return panel.tabs.tabCount() >= 2; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the workspace's views did not load\n");
        return false;
    }
    return true;
}

// Waits for the workspace's views, shows the first view's tab and waits for its objects.
bool showFirstView(_ctlStockpile& control, const QElapsedTimer& clock, std::chrono::milliseconds limit) {
    const Panel panel = panelOf(control);
    if (!viewsLoaded(panel, clock, limit)) {
        return false;
    }
    panel.tabs.selectTab(2);
    if (!runUntil([&] { return panel.lists.exists(1) && panel.lists[1].itemCount() > 0; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the view's objects did not show\n");
        return false;
    }
    settle(clock, limit);
    return true;
}

bool save(const QPixmap& picture, const QString& file) {
    if (picture.isNull() || !picture.save(file, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", file.toLocal8Bit().constData());
        return false;
    }
    return true;
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::RightButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

bool takeScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(session.control(), clock, limit)) {
        return false;
    }
    return save(session.window().grab(), file);
}

bool takeOptionsScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    const Panel panel = panelOf(session.control());
    if (!viewsLoaded(panel, clock, limit)) {
        return false;
    }
    panel.tabs.selectTab(1);
    settle(clock, limit);
    return save(session.window().grab(), file);
}

bool takeMenuScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    _ctlStockpile& control = session.control();
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(control, clock, limit)) {
        return false;
    }
    ui::RWListView& shown = panelOf(control).lists[1];
    auto* list = qobject_cast<QAbstractItemView*>(session.window().stockpileView()->widgetFor(shown));
    if (list == nullptr) {
        std::fprintf(stderr, "screenshot: the list has no widget\n");
        return false;
    }
    shown.deselectAll();
    shown.setItemSelected(1, true);
    const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
    const QPoint global = list->viewport()->mapToGlobal(at);

    // The menu runs its own event loop: the picture is taken from inside it, once the menu shows.
    QPixmap picture;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll.stop();
        menu->move(global + QPoint(2, 2)); // at the pointer, whatever the platform reported
        for (QAction* action : menu->actions()) {
            if (action->text() == "Find on Drawings...") {
                menu->setActiveAction(action);
            }
        }
        QCoreApplication::processEvents();
        picture = session.window().grab();
        QPainter painter(&picture);
        const QPoint place = session.window().mapFromGlobal(menu->pos());
        painter.drawPixmap(place, menu->grab());
        painter.end();
        menu->close();
    });
    poll.start();
    QCursor::setPos(global);
    sendMouse(*list->viewport(), QEvent::MouseButtonPress, at, Qt::RightButton);
    sendMouse(*list->viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);
    poll.stop();
    if (picture.isNull()) {
        std::fprintf(stderr, "screenshot: the context menu did not open\n");
        return false;
    }
    return save(picture, file);
}

bool takeDrawingScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(session.control(), clock, limit)) {
        return false;
    }
    try {
        std::optional<int64_t> pfd;
        for (const auto& diagram : session.host().database().diagrams()) {
            if (!pfd && diagram.diagramClass == "PFD") {
                pfd = diagram.id;
            }
        }
        if (!pfd) {
            std::fprintf(stderr, "screenshot: the workspace has no PFD drawing\n");
            return false;
        }
        DrawingCanvas& canvas = openDrawing(session, *pfd);
        QCoreApplication::processEvents();
        // The drum on the left, the pumps to its right, one above the other.
        const std::vector<std::pair<std::string, QPoint>> drops{
            {"V-201", QPoint(110, 90)}, {"P-101", QPoint(360, 90)}, {"P-102", QPoint(360, 220)}};
        for (const auto& [name, at] : drops) {
            if (!dragOntoCanvas(session, {name}, canvas, at)) {
                std::fprintf(stderr, "screenshot: the drawing did not take %s\n", name.c_str());
                return false;
            }
        }
        std::optional<int64_t> drum;
        std::optional<int64_t> pump;
        for (const auto& placement : canvas.placements()) {
            if (placement.objectId == 105 && !drum) {
                drum = placement.id;
            } else if (placement.objectId == 101 && !pump) {
                pump = placement.id;
            }
        }
        if (!drum || !pump) {
            std::fprintf(stderr, "screenshot: the drum and the pump were not placed\n");
            return false;
        }
        drawConnector(session, "L-1001", canvas, *drum, *pump);
    } catch (const AutomationError& e) {
        std::fprintf(stderr, "screenshot: %s\n", e.description().c_str());
        return false;
    }
    QElapsedTimer settle;
    settle.start();
    runUntil([&] { return settle.elapsed() > 300; }, clock, limit + std::chrono::seconds(1));
    return save(session.window().grab(), file);
}

} // namespace kv380::demo
