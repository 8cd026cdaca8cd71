#include "platform/ui/TextBox.h"

#include <utility>

namespace kv380::ui {

TextBox::TextBox(std::string name) : Control(std::move(name)) {}

void TextBox::setText(std::string text) {
    m_text = std::move(text);
    notify(Property::Text);
    fire(Change);
}

void TextBox::raiseEditFinished() {
    fire(EditFinished);
}

std::unique_ptr<Control> TextBox::cloneDesign() const {
    auto copy = std::make_unique<TextBox>(Name());
    copy->copyDesignFrom(*this);
    copy->m_text = m_text;
    return copy;
}

} // namespace kv380::ui
