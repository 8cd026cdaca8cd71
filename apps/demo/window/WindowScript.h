#pragma once

#include <QPixmap>
#include <QString>

#include <chrono>
#include <functional>

class QElapsedTimer;
class QMenu;
class QWidget;

namespace kv380 {
class _ctlStockpile;
namespace ui {
class TabStrip;
class RWListView;
template <class C> class ControlArray;
} // namespace ui
} // namespace kv380

namespace kv380::demo {

class DemoSession;

// Steps a picture-taking script drives the demo window through, as a user would, without a display.

// Lets the event loop run until the condition holds or the time since `clock` started passes `limit`.
bool runUntil(const std::function<bool()>& condition, const QElapsedTimer& clock,
              std::chrono::milliseconds limit);
// Lets the event loop run for a while: widgets catch up with the model before a picture.
void settle(std::chrono::milliseconds time = std::chrono::milliseconds(300));

// The panel's parts a script needs, found by name in the user control the host draws.
struct PanelParts {
    ui::TabStrip& tabs;
    ui::ControlArray<ui::RWListView>& lists;
};
PanelParts panelOf(_ctlStockpile& control);

// Waits for the workspace's views, shows the first view's tab and waits for its objects.
bool showFirstView(_ctlStockpile& control, const QElapsedTimer& clock, std::chrono::milliseconds limit);

// Selects the first listed object of the shown view and right-clicks it; `whileOpen` runs inside the menu's
// own event loop once it shows, with the menu moved to the pointer. False when the list has no widget or the
// menu never opened.
bool rightClickFirstObject(DemoSession& session, const std::function<void(QMenu&)>& whileOpen);

// Writes the picture as PNG; false, with the reason on standard error, when it cannot.
bool savePicture(const QPixmap& picture, const QString& file);

} // namespace kv380::demo
