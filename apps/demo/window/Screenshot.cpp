#include "window/Screenshot.h"

#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "platform/AutomationError.h"
#include "platform/ui/TabStrip.h"
#include "window/CanvasScript.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/DrawingCanvas.h"
#include "window/WindowScript.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv380::demo {

bool takeScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    if (!showFirstView(session.control(), clock, limit)) {
        return false;
    }
    return savePicture(session.window().grab(), file);
}

QPixmap pictureOfObjectMenu(DemoSession& session) {
    QPixmap picture;
    rightClickFirstObject(session, [&](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text() == "Find on Drawings...") {
                menu.setActiveAction(action);
            }
        }
        DemoWindow& window = session.window();
        picture = window.grab();
        QPainter painter(&picture);
        painter.drawPixmap(window.mapFromGlobal(menu.pos()), menu.grab());
        painter.end();
        menu.close();
    });
    return picture;
}

bool takeOptionsScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    const PanelParts panel = panelOf(session.control());
    if (!runUntil([&] { return panel.tabs.tabCount() >= 2; }, clock, limit)) {
        std::fprintf(stderr, "screenshot: the workspace's views did not load\n");
        return false;
    }
    panel.tabs.selectTab(1);
    settle();
    return savePicture(session.window().grab(), file);
}

bool takeMenuScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    return showFirstView(session.control(), clock, limit) && savePicture(pictureOfObjectMenu(session), file);
}

bool workOnADrawing(DemoSession& session) {
    try {
        WorkspaceDatabase& database = session.host().database();
        std::optional<int64_t> pfd;
        for (const auto& diagram : database.diagrams()) {
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
        const auto placementOf = [&](const std::string& tag) -> std::optional<int64_t> {
            for (const auto& placement : canvas.placements()) {
                const auto object = database.object(placement.objectId);
                if (!placement.isConnector() && object && object->tag == tag) {
                    return placement.id;
                }
            }
            return std::nullopt;
        };
        const auto drum = placementOf("V-201");
        const auto pump = placementOf("P-101");
        if (!drum || !pump) {
            std::fprintf(stderr, "screenshot: the drum and the pump were not placed\n");
            return false;
        }
        drawConnector(session, "L-1001", canvas, *drum, *pump);
    } catch (const AutomationError& e) {
        std::fprintf(stderr, "screenshot: %s\n", e.description().c_str());
        return false;
    }
    settle();
    return true;
}

bool takeDrawingScreenshot(DemoSession& session, const QString& file, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    return showFirstView(session.control(), clock, limit) && workOnADrawing(session) &&
           savePicture(session.window().grab(), file);
}

} // namespace kv380::demo
