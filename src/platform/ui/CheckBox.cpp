#include "platform/ui/CheckBox.h"

#include "platform/AutomationError.h"

#include <utility>

namespace kv380::ui {

CheckBox::CheckBox(std::string name) : Control(std::move(name)) {}

void CheckBox::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void CheckBox::setValue(int value) {
    if (value < Unchecked || value > Grayed) {
        raise(err::InvalidPropertyValue);
    }
    m_value = value;
    notify(Property::Value);
    fire(Click);
}

std::unique_ptr<Control> CheckBox::cloneDesign() const {
    auto copy = std::make_unique<CheckBox>(Name());
    copy->copyDesignFrom(*this);
    copy->m_caption = m_caption;
    copy->m_value = m_value;
    return copy;
}

} // namespace kv380::ui
