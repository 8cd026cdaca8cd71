#include "platform/ui/UserControl.h"

#include <utility>

namespace kv380::ui {

UserControl::UserControl(std::string name) : TopLevel(std::move(name)) {}

void UserControl::setVisible(bool visible) {
    const bool was = Visible();
    TopLevel::setVisible(visible);
    if (was && !visible) {
        fire(Hide);
    } else if (!was && visible) {
        fire(Show);
    }
}

void UserControl::raiseKeyDown(int& keyCode, int shift, Control* focused) {
    fire(KeyDown, keyCode, shift, focused);
}

} // namespace kv380::ui
