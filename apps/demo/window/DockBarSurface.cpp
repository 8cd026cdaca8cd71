#include "window/DockBarSurface.h"

#include <QAction>
#include <QDockWidget>

namespace kv380::demo {

bool DockBarSurface::shown() const {
    return m_dock && m_dock->toggleViewAction()->isChecked();
}

void DockBarSurface::setShown(bool shown) {
    if (m_dock) {
        m_dock->setVisible(shown);
    }
}

int32_t DockBarSurface::height() const {
    return m_dock ? m_dock->height() : 0;
}

} // namespace kv380::demo
