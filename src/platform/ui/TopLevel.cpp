#include "platform/ui/TopLevel.h"

#include "platform/AutomationError.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <utility>

namespace kv380::ui {

TopLevel::TopLevel(std::string name) : Control(std::move(name)) {}

TopLevel::~TopLevel() {
    // Arrays first: they point at controls the collection owns.
    m_arrays.clear();
    // Controls go in reverse creation order, so a container outlives what it holds.
    while (!m_controls.empty()) {
        m_controls.pop_back();
    }
}

Control& TopLevel::adopt(std::unique_ptr<Control> control, Control* container, bool arrayElement) {
    Control* holder = container != nullptr ? container : this;
    if (holder != this && holder->Parent() != this) {
        raise(err::InvalidProcedureCall);
    }
    if (!holder->acceptsChild(*control)) {
        raise(err::InvalidPropertyValue);
    }
    if (control->Name().empty() || (!arrayElement && Controls().find(control->Name()) != nullptr)) {
        raise(err::InvalidProcedureCall);
    }
    control->m_container = holder;
    control->m_parent = this;
    if (auto* item = dynamic_cast<Menu*>(control.get()); item != nullptr && holder != this) {
        static_cast<Menu*>(holder)->m_items.push_back(item);
    }
    m_controls.push_back(std::move(control));
    notify(Property::Controls);
    return *m_controls.back();
}

void TopLevel::discard(Control& control) {
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [&](const std::unique_ptr<Control>& c) { return c.get() == &control; });
    if (it == m_controls.end()) {
        return;
    }
    // Take it out of the collection before it goes, so an observer never sees a dying control.
    std::unique_ptr<Control> doomed = std::move(*it);
    m_controls.erase(it);
    notify(Property::Controls);
}

Menu& TopLevel::addMenu(std::string name, std::string caption, Menu* parent) {
    Menu& item = add<Menu>(std::move(name), parent);
    item.setCaption(std::move(caption));
    return item;
}

bool TopLevel::acceptsChild(const Control& child) const {
    return &child != this;
}

float TopLevel::ScaleWidth() const {
    return std::max(0.0F, Width() - m_borderWidth);
}

float TopLevel::ScaleHeight() const {
    return std::max(0.0F, Height() - m_borderHeight);
}

void TopLevel::setScaleSize(float scaleWidth, float scaleHeight) {
    checkSize(scaleWidth);
    checkSize(scaleHeight);
    const bool changed = scaleWidth != ScaleWidth() || scaleHeight != ScaleHeight();
    m_borderWidth = Width() - scaleWidth;
    m_borderHeight = Height() - scaleHeight;
    notify(Property::ScaleSize);
    if (changed) {
        fire(Resize);
    }
}

void TopLevel::resizeTo(float width, float height, float scaleWidth, float scaleHeight) {
    checkSize(width);
    checkSize(height);
    checkSize(scaleWidth);
    checkSize(scaleHeight);
    const bool changed =
        width != Width() || height != Height() || scaleWidth != ScaleWidth() || scaleHeight != ScaleHeight();
    assignSize(width, height);
    m_borderWidth = width - scaleWidth;
    m_borderHeight = height - scaleHeight;
    notify(Property::ScaleSize);
    if (changed) {
        fire(Resize);
    }
}

void TopLevel::remeasured() {
    fire(Resize);
}

void TopLevel::sizeChanged() {
    notify(Property::ScaleSize);
    fire(Resize);
}

void TopLevel::PopupMenu(Menu& menu) {
    if (menu.Parent() != this) {
        raise(err::InvalidProcedureCall);
    }
    currentDesktop().popupMenu(menu, *this);
}

CommandButton* TopLevel::defaultButton() const {
    for (Control& c : Controls()) {
        if (auto* button = dynamic_cast<CommandButton*>(&c); button != nullptr && button->Default()) {
            return button;
        }
    }
    return nullptr;
}

CommandButton* TopLevel::cancelButton() const {
    for (Control& c : Controls()) {
        if (auto* button = dynamic_cast<CommandButton*>(&c); button != nullptr && button->Cancel()) {
            return button;
        }
    }
    return nullptr;
}

namespace {
bool press(CommandButton* button) {
    if (button == nullptr || !button->Visible() || !button->Enabled()) {
        return false;
    }
    button->raiseClick();
    return true;
}
} // namespace

bool TopLevel::pressEnter() {
    return press(defaultButton());
}

bool TopLevel::pressEscape() {
    return press(cancelButton());
}

void TopLevel::initialize() {
    if (std::exchange(m_initialized, true)) {
        return;
    }
    fire(Initialize);
}

void TopLevel::terminate() {
    if (std::exchange(m_terminated, true)) {
        return;
    }
    fire(Terminate);
}

} // namespace kv380::ui
