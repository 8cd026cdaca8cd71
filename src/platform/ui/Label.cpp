#include "platform/ui/Label.h"

#include <utility>

namespace kv380::ui {

Label::Label(std::string name) : Control(std::move(name)) {}

void Label::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

std::unique_ptr<Control> Label::cloneDesign() const {
    auto copy = std::make_unique<Label>(Name());
    copy->copyDesignFrom(*this);
    copy->m_caption = m_caption;
    return copy;
}

} // namespace kv380::ui
