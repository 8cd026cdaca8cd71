#include "platform/ui/Frame.h"

#include "platform/ui/Menu.h"

#include <utility>

namespace kv380::ui {

Frame::Frame(std::string name) : Control(std::move(name)) {}

void Frame::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

bool Frame::acceptsChild(const Control& child) const {
    return dynamic_cast<const Menu*>(&child) == nullptr;
}

std::unique_ptr<Control> Frame::cloneDesign() const {
    auto copy = std::make_unique<Frame>(Name());
    copy->copyDesignFrom(*this);
    copy->m_caption = m_caption;
    return copy;
}

} // namespace kv380::ui
