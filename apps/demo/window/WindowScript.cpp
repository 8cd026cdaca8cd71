#include "window/WindowScript.h"

#include "control/_ctlStockpile.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace kv380::demo {

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

void settle(std::chrono::milliseconds time) {
    QElapsedTimer clock;
    clock.start();
    runUntil([&] { return clock.elapsed() > time.count(); }, clock, time + std::chrono::seconds(1));
}

PanelParts panelOf(_ctlStockpile& control) {
    ui::UserControl& panel = control.UserControl();
    auto* tabs = panel.find<ui::TabStrip>("TabStrip");
    auto* lists = panel.findArray<ui::RWListView>("rwlvStockpile");
    if (tabs == nullptr || lists == nullptr) {
        throw std::logic_error("the stock pile has no tab strip or no list");
    }
    return {*tabs, *lists};
}

bool showFirstView(_ctlStockpile& control, const QElapsedTimer& clock, std::chrono::milliseconds limit) {
    const PanelParts panel = panelOf(control);
    if (!runUntil([&] { return panel.tabs.tabCount() >= 2; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the workspace's views did not load\n");
        return false;
    }
    panel.tabs.selectTab(2);
    if (!runUntil([&] { return panel.lists.exists(1) && panel.lists[1].itemCount() > 0; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the view's objects did not show\n");
        return false;
    }
    settle(std::chrono::milliseconds(800)); // the list's symbols are drawn on worker threads
    return true;
}

namespace {

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::RightButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

bool rightClickFirstObject(DemoSession& session, const std::function<void(QMenu&)>& whileOpen) {
    ui::RWListView& shown = panelOf(session.control()).lists[1];
    auto* list = qobject_cast<QAbstractItemView*>(session.window().stockpileView()->widgetFor(shown));
    if (list == nullptr || list->model()->rowCount() == 0) {
        std::fprintf(stderr, "screenshot: the list has no widget or no rows\n");
        return false;
    }
    shown.deselectAll();
    shown.setItemSelected(1, true);
    const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
    const QPoint global = list->viewport()->mapToGlobal(at);

    // The menu runs its own event loop: the script acts from inside it, once the menu shows.
    bool opened = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        poll.stop();
        opened = true;
        menu->move(global + QPoint(2, 2)); // at the pointer, whatever the platform reported
        QCoreApplication::processEvents();
        whileOpen(*menu);
    });
    poll.start();
    QCursor::setPos(global);
    sendMouse(*list->viewport(), QEvent::MouseButtonPress, at, Qt::RightButton);
    sendMouse(*list->viewport(), QEvent::MouseButtonRelease, at, Qt::NoButton);
    poll.stop();
    if (!opened) {
        std::fprintf(stderr, "screenshot: the context menu did not open\n");
    }
    return opened;
}

bool savePicture(const QPixmap& picture, const QString& file) {
    if (picture.isNull() || !picture.save(file, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", file.toLocal8Bit().constData());
        return false;
    }
    return true;
}

} // namespace kv380::demo
