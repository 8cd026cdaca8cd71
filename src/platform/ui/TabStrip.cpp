#include "platform/ui/TabStrip.h"

#include "platform/AutomationError.h"

#include <algorithm>
#include <utility>

namespace kv380::ui {

TabStrip::TabStrip(std::string name) : Control(std::move(name)) {}

void TabStrip::checkIndex(int index) const {
    if (index < 1 || index > tabCount()) {
        raise(err::IndexOutOfBounds);
    }
}

int TabStrip::addTab(std::string caption, std::string key, int index) {
    if (index == 0) {
        index = tabCount() + 1;
    }
    if (index < 1 || index > tabCount() + 1) {
        raise(err::IndexOutOfBounds);
    }
    if (!key.empty() && findTab(key) != 0) {
        raise(err::KeyNotUnique);
    }
    m_tabs.insert(m_tabs.begin() + (index - 1), Tab{std::move(caption), std::move(key)});
    notify(Property::List);
    if (m_selected == 0) {
        m_selected = 1;
        notify(Property::Selection);
    } else if (index <= m_selected) {
        ++m_selected;
        notify(Property::Selection);
    }
    return index;
}

void TabStrip::removeTab(int index) {
    checkIndex(index);
    m_tabs.erase(m_tabs.begin() + (index - 1));
    notify(Property::List);
    if (index < m_selected || m_selected > tabCount()) {
        --m_selected;
        notify(Property::Selection);
    } else if (index == m_selected) {
        notify(Property::Selection); // the tab that took its place is selected now
    }
}

void TabStrip::clearTabs() {
    m_tabs.clear();
    m_selected = 0;
    notify(Property::List);
    notify(Property::Selection);
}

const TabStrip::Tab& TabStrip::tab(int index) const {
    checkIndex(index);
    return m_tabs[static_cast<std::size_t>(index - 1)];
}

void TabStrip::setTabCaption(int index, std::string caption) {
    checkIndex(index);
    m_tabs[static_cast<std::size_t>(index - 1)].caption = std::move(caption);
    notify(Property::Caption);
}

int TabStrip::findTab(const std::string& key) const {
    const auto it = std::find_if(m_tabs.begin(), m_tabs.end(), [&](const Tab& t) { return t.key == key; });
    return it == m_tabs.end() ? 0 : static_cast<int>(it - m_tabs.begin()) + 1;
}

void TabStrip::selectTab(int index) {
    checkIndex(index);
    m_selected = index;
    notify(Property::Selection);
    fire(Click);
}

void TabStrip::setTabPlacement(Placement placement) {
    m_placement = placement;
    notify(Property::Placement);
}

void TabStrip::setClientTop(float top) {
    m_clientTop = top;
    notify(Property::ClientArea);
}

void TabStrip::setClientHeight(float height) {
    m_clientHeight = height;
    notify(Property::ClientArea);
}

} // namespace kv380::ui
