#include "model/drawing/DialogBar.h"

namespace kv380::demo {

DialogBar::DialogBar(std::string title, std::shared_ptr<BarSurface> surface) : m_title(std::move(title)) {
    setSurface(std::move(surface));
}

bool DialogBar::Visible() {
    return m_surface->shown();
}

void DialogBar::setVisible(bool bVisible) {
    m_surface->setShown(bVisible);
}

int32_t DialogBar::Height() {
    return m_surface->height();
}

std::shared_ptr<HostObject> DialogBar::HostedControl() {
    return m_control;
}

void DialogBar::setSurface(std::shared_ptr<BarSurface> surface) {
    m_surface = surface ? std::move(surface) : std::make_shared<MemoryBarSurface>();
}

} // namespace kv380::demo
