#include "window/Tour.h"

#include "control/_ctlStockpile.h"
#include "platform/ui/Control.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/Screenshot.h"
#include "window/WindowScript.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace kv380::demo {

namespace {

// The part of a widget its parents let show, in the coordinates of `view`.
QRect visiblePart(const QWidget& widget, const QWidget& view) {
    QRect shown(widget.mapTo(&view, QPoint(0, 0)), widget.size());
    for (const QWidget* parent = widget.parentWidget(); parent != nullptr && parent != &view;
         parent = parent->parentWidget()) {
        shown &= QRect(parent->mapTo(&view, QPoint(0, 0)), parent->size());
    }
    return shown;
}

bool step(const char* what, bool done) {
    if (!done) {
        std::fprintf(stderr, "tour: %s did not come about\n", what);
    }
    return done;
}

// Offscreen windows have no frame: the dialog's title is drawn in a band above its picture.
QPixmap withTitle(const QPixmap& inside, const QString& title) {
    const int band = QFontMetrics(QApplication::font()).height() + 12;
    QPixmap framed(inside.width(), inside.height() + band);
    framed.fill(QApplication::palette().color(QPalette::Window).darker(115));
    QPainter painter(&framed);
    painter.setPen(QApplication::palette().color(QPalette::WindowText));
    painter.drawText(QRect(8, 0, inside.width() - 16, band), Qt::AlignVCenter | Qt::AlignLeft, title);
    painter.drawPixmap(0, band, inside);
    painter.end();
    return framed;
}

// Picks "Symbol Map..." from the first object's menu and takes a picture of the dialog once its lists show;
// the dialog is then closed as a user would, with Escape.
bool pictureOfSymbolMap(DemoSession& session, const QString& file) {
    QPixmap picture;
    QTimer poll;
    poll.setInterval(50);
    QElapsedTimer shown;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<qt::FormWindow*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        if (!shown.isValid()) {
            shown.start();
        }
        if (shown.elapsed() < 500) { // its folder tree and symbol lists fill through the event loop
            return;
        }
        poll.stop();
        picture = withTitle(dialog->grab(), dialog->windowTitle());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog->view(), &escape);
    });
    poll.start();
    bool chosen = false;
    const bool opened = rightClickFirstObject(session, [&](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text() == "Symbol Map..." && action->isEnabled()) {
                menu.setActiveAction(action);
                chosen = true;
            }
        }
        if (!chosen) {
            menu.close();
            return;
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(&menu, &enter);
    });
    poll.stop();
    return step("the Symbol Map dialog", opened && chosen && !picture.isNull()) && savePicture(picture, file);
}

} // namespace

QStringList controlsOverTabCaptions(DemoSession& session) {
    qt::FormView& view = *session.window().stockpileView();
    ui::UserControl& panel = session.control().UserControl();
    auto* strip = panel.find<ui::TabStrip>("TabStrip");
    QWidget* stripWidget = strip != nullptr ? view.widgetFor(*strip) : nullptr;
    auto* bar = stripWidget != nullptr ? stripWidget->findChild<QTabBar*>() : nullptr;
    if (bar == nullptr) {
        return {"(no tab bar)"};
    }
    // The captions' texts: a caption may begin with blanks that leave room for a button over its tab.
    const QRect barPart = visiblePart(*bar, view);
    const QPoint barOrigin = bar->mapTo(&view, QPoint(0, 0));
    const QFontMetrics metrics(bar->font());
    std::vector<QRect> captions;
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = bar->tabText(i);
        const QString trimmed = text.trimmed();
        const QRect tab = bar->tabRect(i).translated(barOrigin);
        const int whole = metrics.horizontalAdvance(text);
        const int lead = metrics.horizontalAdvance(text.left(text.indexOf(trimmed)));
        const QRect caption(tab.center().x() - whole / 2 + lead, tab.top(),
                            metrics.horizontalAdvance(trimmed), tab.height());
        captions.push_back(caption & barPart);
    }
    QStringList covering;
    for (ui::Control& control : panel.Controls()) {
        QWidget* widget = view.widgetFor(control);
        if (widget == nullptr || widget == stripWidget || !widget->isVisibleTo(&view)) {
            continue;
        }
        const QRect part = visiblePart(*widget, view);
        if (std::any_of(captions.begin(), captions.end(),
                        [&](const QRect& caption) { return part.intersects(caption); })) {
            covering << QString::fromStdString(control.Name());
        }
    }
    return covering;
}

bool takeTour(DemoSession& session, const QString& folder, std::chrono::milliseconds limitPerStep) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tour: cannot make the folder %s\n", folder.toLocal8Bit().constData());
        return false;
    }
    const QDir into(folder);
    DemoWindow& window = session.window();
    _ctlStockpile& control = session.control();
    // A covered caption fails the tour, but the pictures are taken all the same: they show what is wrong.
    bool uncovered = true;
    const auto checkCaptions = [&](const char* tab) {
        const QStringList covering = controlsOverTabCaptions(session);
        if (!covering.isEmpty()) {
            std::fprintf(stderr, "tour: on the %s, %s cover the tab captions\n", tab,
                         covering.join(", ").toLocal8Bit().constData());
            uncovered = false;
        }
    };

    // 1. The first view's objects.
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(control, clock, limitPerStep)) {
        return false;
    }
    settle(std::chrono::milliseconds(700)); // the previews are drawn off the user-interface thread
    checkCaptions("view tab");
    if (!savePicture(window.grab(), into.filePath("1-list.png"))) {
        return false;
    }

    // 2. The Options tab.
    panelOf(control).tabs.selectTab(1);
    settle();
    checkCaptions("Options tab");
    if (!savePicture(window.grab(), into.filePath("2-options.png"))) {
        return false;
    }

    // 3. An object's context menu.
    clock.restart();
    if (!showFirstView(control, clock, limitPerStep)) {
        return false;
    }
    const QPixmap withMenu = pictureOfObjectMenu(session);
    if (!step("the context menu", !withMenu.isNull()) ||
        !savePicture(withMenu, into.filePath("3-menu.png"))) {
        return false;
    }

    // 4. The Symbol Map dialog for that object.
    if (!pictureOfSymbolMap(session, into.filePath("4-symbol-map.png"))) {
        return false;
    }

    // 5. A drawing with objects dragged onto it and a line drawn between two of them.
    return workOnADrawing(session) && savePicture(window.grab(), into.filePath("5-drawing.png")) && uncovered;
}

} // namespace kv380::demo
