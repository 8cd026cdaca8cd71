// The demo drawing application: the stock pile control docked in a window, over the sample workspace.
//
//   kv380_demo                      a window (needs a display)
//   kv380_demo --screenshot FILE    renders the window offscreen once a view's objects show, writes a PNG
//   kv380_demo --screenshot FILE --menu   the same with an object's context menu open
//   kv380_demo --screenshot FILE --drawing   the same after objects were dropped on a drawing and joined
//   kv380_demo --screenshot FILE --options   the same with the Options tab shown
//   kv380_demo --tour DIR           offscreen, writes a picture of each main step into DIR
//   kv380_demo --reset              starts again from the sample workspace (deletes the user's copy)
#include "model/DemoPaths.h"
#include "model/db/WorkspaceCreation.h"
#include "platform/AutomationError.h"
#include "window/DemoSession.h"
#include "window/Screenshot.h"
#include "window/Tour.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

struct Arguments {
    std::string screenshot{};
    std::string tour{};
    bool menu = false;
    bool drawing = false;
    bool options = false;
    bool reset = false;
    bool valid = true;
};

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            arguments.screenshot = argv[++i];
        } else if (std::strcmp(argv[i], "--tour") == 0 && i + 1 < argc) {
            arguments.tour = argv[++i];
        } else if (std::strcmp(argv[i], "--menu") == 0) {
            arguments.menu = true;
        } else if (std::strcmp(argv[i], "--drawing") == 0) {
            arguments.drawing = true;
        } else if (std::strcmp(argv[i], "--options") == 0) {
            arguments.options = true;
        } else if (std::strcmp(argv[i], "--reset") == 0) {
            arguments.reset = true;
        } else {
            arguments.valid = false;
        }
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    const Arguments arguments = parse(argc, argv);
    const int variants = int(arguments.menu) + int(arguments.drawing) + int(arguments.options);
    const bool pictures = !arguments.screenshot.empty() || !arguments.tour.empty();
    if (!arguments.valid || (variants > 0 && arguments.screenshot.empty()) || variants > 1 ||
        (!arguments.screenshot.empty() && !arguments.tour.empty())) {
        std::fprintf(
            stderr, "usage: %s [--reset] [--screenshot FILE [--menu | --drawing | --options] | --tour DIR]\n",
            argv[0]);
        return 2;
    }
    if (pictures) {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // nobody watches: no display needed
    }
    QApplication application(argc, argv);
    try {
        if (arguments.reset) {
            std::filesystem::remove(std::filesystem::path(kv380::demo::defaultDataFolder()) /
                                    kv380::demo::WorkspaceFileName);
        }
        kv380::demo::DemoSession session({.unattended = pictures});
        session.start();
        if (!arguments.tour.empty()) {
            return kv380::demo::takeTour(session, QString::fromStdString(arguments.tour)) ? 0 : 1;
        }
        if (!arguments.screenshot.empty()) {
            const QString file = QString::fromStdString(arguments.screenshot);
            const bool taken = arguments.menu      ? kv380::demo::takeMenuScreenshot(session, file)
                               : arguments.drawing ? kv380::demo::takeDrawingScreenshot(session, file)
                               : arguments.options ? kv380::demo::takeOptionsScreenshot(session, file)
                                                   : kv380::demo::takeScreenshot(session, file);
            return taken ? 0 : 1;
        }
        return application.exec();
    } catch (const kv380::AutomationError& e) {
        // The one message a failed start gives (a workspace database that cannot be used names its file and
        // the way out).
        std::fprintf(stderr, "kv380_demo: %s (error %d)\n", e.description().c_str(), e.number());
        if (!pictures) {
            QMessageBox::critical(nullptr, "KV380 Stock Pile demo", QString::fromStdString(e.description()));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kv380_demo: %s\n", e.what());
    }
    return 1;
}
