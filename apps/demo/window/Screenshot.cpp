#include "window/Screenshot.h"

#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/WindowScript.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>

namespace kv380::demo {

bool takeScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(session.control(), clock, limit)) {
        return false;
    }
    return savePicture(session.window().grab(), file);
}

QPixmap pictureWithMenu(DemoWindow& window, QMenu& menu) {
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
    painter.end();
    return picture;
}

bool takeMenuScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(session.control(), clock, limit)) {
        return false;
    }
    QPixmap picture;
    const bool opened = rightClickFirstObject(session, [&](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text() == "Find on Drawings...") {
                menu.setActiveAction(action);
            }
        }
        picture = pictureWithMenu(session.window(), menu);
        menu.close();
    });
    return opened && savePicture(picture, file);
}

} // namespace kv380::demo
