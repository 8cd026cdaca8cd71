#include "platform/ui/CommandButton.h"

#include "platform/AutomationError.h"
#include "platform/ui/TopLevel.h"

#include <utility>

namespace kv380::ui {

CommandButton::CommandButton(std::string name) : Control(std::move(name)) {}

void CommandButton::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void CommandButton::setDefault(bool isDefault) {
    if (isDefault && Parent() != nullptr) {
        for (Control& c : Parent()->Controls()) {
            auto* other = dynamic_cast<CommandButton*>(&c);
            if (other != nullptr && other != this && other->m_default) {
                other->m_default = false;
                other->notify(Property::Buttons);
            }
        }
    }
    m_default = isDefault;
    notify(Property::Buttons);
}

void CommandButton::setCancel(bool isCancel) {
    if (isCancel && Parent() != nullptr) {
        for (Control& c : Parent()->Controls()) {
            auto* other = dynamic_cast<CommandButton*>(&c);
            if (other != nullptr && other != this && other->m_cancel) {
                other->m_cancel = false;
                other->notify(Property::Buttons);
            }
        }
    }
    m_cancel = isCancel;
    notify(Property::Buttons);
}

void CommandButton::setStyle(int style) {
    if (style != Standard && style != Graphical) {
        raise(err::InvalidPropertyValue);
    }
    m_style = style;
    notify(Property::Buttons);
}

void CommandButton::setPicture(std::string picture) {
    m_picture = std::move(picture);
    notify(Property::Buttons);
}

void CommandButton::raiseClick() {
    fire(Click);
}

std::unique_ptr<Control> CommandButton::cloneDesign() const {
    auto copy = std::make_unique<CommandButton>(Name());
    copy->copyDesignFrom(*this);
    copy->m_caption = m_caption;
    copy->m_style = m_style;
    copy->m_picture = m_picture;
    // The default and cancel roles stay with the original.
    return copy;
}

} // namespace kv380::ui
