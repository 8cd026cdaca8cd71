#include "platform/ui/Menu.h"

#include <utility>

namespace kv380::ui {

Menu::Menu(std::string name) : Control(std::move(name)) {}

void Menu::setCaption(std::string caption) {
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void Menu::setChecked(bool checked) {
    m_checked = checked;
    notify(Property::Checked);
}

Menu* Menu::findItem(std::string_view name) {
    if (Name() == name) {
        return this;
    }
    for (Menu* child : m_items) {
        if (Menu* found = child->findItem(name)) {
            return found;
        }
    }
    return nullptr;
}

void Menu::raiseClick() {
    fire(Click);
}

bool Menu::acceptsChild(const Control& child) const {
    return dynamic_cast<const Menu*>(&child) != nullptr;
}

} // namespace kv380::ui
