#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

namespace kv380::demo {

class DemoSession;

// Pictures of the main steps a new user takes, written into one folder as numbered PNG files:
//   1-list.png        the first view's objects, with their symbol previews
//   2-options.png     the Options tab
//   3-menu.png        an object's context menu
//   4-symbol-map.png  the Symbol Map dialog for that object
//   5-drawing.png     a PFD drawing with a drum and two pumps dragged onto it and a line between two of them
// False, with the reason on standard error, when a step did not come about within the time limit, a picture
// could not be written, or a control covers the tab captions.
bool takeTour(DemoSession& session, const QString& folder,
              std::chrono::milliseconds limitPerStep = std::chrono::seconds(20));

// The stock pile's shown controls whose visible part covers a tab caption's text, by name (none when the
// panel is laid out right; the refresh button sits over the blanks the Options caption begins with).
QStringList controlsOverTabCaptions(DemoSession& session);

} // namespace kv380::demo
