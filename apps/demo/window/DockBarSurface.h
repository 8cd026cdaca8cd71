#pragma once

#include "model/drawing/BarSurface.h"

#include <QPointer>

class QDockWidget;

namespace kv380::demo {

// A dialog bar shown as a dock of the main window. Visible is the dock's toggle action: a dock tabbed
// behind another is not visible to Qt, yet the bar is shown. Once the dock is gone the bar reads as hidden,
// 0 high.
class DockBarSurface : public BarSurface {
public:
    explicit DockBarSurface(QDockWidget* dock) : m_dock(dock) {}

    // Whether the dock's toggle action is checked.
    bool shown() const override;
    // Shows or hides the dock (and so checks or unchecks its toggle action).
    void setShown(bool shown) override;
    // The dock's height in pixels.
    int32_t height() const override;

private:
    QPointer<QDockWidget> m_dock;
};

} // namespace kv380::demo
