#include "platform/ui/ComboBox.h"

#include "platform/AutomationError.h"

#include <utility>

namespace kv380::ui {

ComboBox::ComboBox(std::string name) : Control(std::move(name)) {}

void ComboBox::AddItem(std::string text, int index) {
    if (index == -1) {
        index = ListCount();
    }
    if (index < 0 || index > ListCount()) {
        raise(err::InvalidProcedureCall);
    }
    m_items.insert(m_items.begin() + index, std::move(text));
    notify(Property::List);
    if (m_listIndex >= index) {
        ++m_listIndex;
        notify(Property::Selection);
    }
}

void ComboBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) {
        raise(err::InvalidProcedureCall);
    }
    m_items.erase(m_items.begin() + index);
    notify(Property::List);
    if (m_listIndex == index) {
        m_listIndex = -1;
        notify(Property::Selection);
    } else if (m_listIndex > index) {
        --m_listIndex;
        notify(Property::Selection);
    }
}

void ComboBox::Clear() {
    m_items.clear();
    m_listIndex = -1;
    notify(Property::List);
    notify(Property::Selection);
}

const std::string& ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        raise(err::InvalidPropertyValue);
    }
    return m_items[static_cast<std::size_t>(index)];
}

void ComboBox::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        raise(err::InvalidPropertyValue);
    }
    m_listIndex = index;
    notify(Property::Selection);
    fire(Click);
}

std::string ComboBox::Text() const {
    return m_listIndex < 0 ? std::string{} : List(m_listIndex);
}

std::unique_ptr<Control> ComboBox::cloneDesign() const {
    auto copy = std::make_unique<ComboBox>(Name());
    copy->copyDesignFrom(*this);
    copy->m_items = m_items;
    return copy;
}

} // namespace kv380::ui
