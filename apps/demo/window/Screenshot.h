#pragma once

#include <QPixmap>
#include <QString>

#include <chrono>

namespace kv380::demo {

class DemoSession;

// Waits for the sample workspace to load, shows the first view's tab with its objects, and writes a
// picture of the window (PNG). False, with the reason on standard error, when the list did not fill within
// the time limit or the picture could not be written.
bool takeScreenshot(DemoSession& session, const QString& file,
                    std::chrono::milliseconds limit = std::chrono::seconds(20));

// The same with the first object selected and its context menu open at the pointer, "Find on Drawings..."
// highlighted: the menu is opened by a right-click on the object, drawn into the picture of the window at
// its place, and closed without a choice.
bool takeMenuScreenshot(DemoSession& session, const QString& file,
                        std::chrono::milliseconds limit = std::chrono::seconds(20));

// The same after a drawing's work: the first PFD drawing opened, a drum and two pumps dragged onto it from
// the list, and the line from the drum to the first pump drawn with the connector tool.
bool takeDrawingScreenshot(DemoSession& session, const QString& file,
                           std::chrono::milliseconds limit = std::chrono::seconds(20));
// That drawing's work alone, on the window as it is; false, with the reason on standard error, when a step
// did not come about.
bool workOnADrawing(DemoSession& session);

// A picture of the window with the first listed object's context menu drawn over it at its place, "Find on
// Drawings..." highlighted; the menu is closed without a choice. Null when the menu did not open.
QPixmap pictureOfObjectMenu(DemoSession& session);

// The same with the Options tab shown (the option frames over the row of tab captions' strip), once the
// workspace's views have loaded.
bool takeOptionsScreenshot(DemoSession& session, const QString& file,
                           std::chrono::milliseconds limit = std::chrono::seconds(20));

} // namespace kv380::demo
