#include "platform/ui/RWListView.h"

#include <algorithm>
#include <utility>

namespace kv380::ui {

namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldAscii(x)) < static_cast<unsigned char>(foldAscii(y));
    });
}

} // namespace

RWListView::RWListView(std::string name) : Control(std::move(name)) {}

void RWListView::setView(int view) {
    if (view < 0 || view > 3) {
        raise(err::InvalidPropertyValue);
    }
    m_view = view;
    notify(Property::View);
}

void RWListView::setUniqueKeys(bool unique) {
    if (unique && m_keys.hasDuplicates()) {
        raise(err::InvalidPropertyValue);
    }
    m_uniqueKeys = unique;
    notify(Property::View);
}

void RWListView::setMultiSelect(bool multiSelect) {
    m_multiSelect = multiSelect;
    notify(Property::View);
}

void RWListView::checkIndex(int index) const {
    if (index < 1 || index > itemCount()) {
        raise(err::IndexOutOfBounds);
    }
}

void RWListView::reindex() {
    m_keys.clear();
    const auto keyOf = [this](int position) -> const std::string& { return keyAt(position); };
    for (int position = 0; position < itemCount(); ++position) {
        const std::string& key = keyAt(position);
        if (!key.empty()) {
            const std::size_t hash = KeyIndex::hashOf(key);
            m_keys.count(m_keys.place(key, hash, keyOf), hash, position);
        }
    }
}

void RWListView::reserve(int count) {
    if (count > itemCount()) {
        m_items.reserve(static_cast<std::size_t>(count));
        m_keys.reserve(static_cast<std::size_t>(count));
    }
}

int RWListView::addItem(std::string key, std::string text, std::string icon, ItemData data) {
    const int position = itemCount();
    if (key.empty()) {
        m_items.push_back(ListItem{std::move(key), std::move(text), std::move(icon), std::move(data), false});
    } else {
        // One probe of the index both checks and places the key; it is counted once the item is stored.
        const auto keyOf = [this](int at) -> const std::string& { return keyAt(at); };
        const std::size_t hash = KeyIndex::hashOf(key);
        const std::size_t slot = m_keys.place(key, hash, keyOf);
        if (m_uniqueKeys && m_keys.holds(slot)) {
            raise(err::KeyNotUnique);
        }
        m_items.push_back(ListItem{std::move(key), std::move(text), std::move(icon), std::move(data), false});
        m_keys.count(slot, hash, position);
    }
    notify(Property::List);
    return position + 1;
}

int RWListView::appendItems(std::vector<ListItem>& items) {
    const std::size_t n = items.size();
    // Room first: what can fail, fails before anything changes.
    m_items.reserve(m_items.size() + n);
    m_keys.reserve(m_items.size() + n);
    std::vector<std::size_t> hashes(n);
    for (std::size_t i = 0; i < n; ++i) {
        hashes[i] = items[i].key.empty() ? 0 : KeyIndex::hashOf(items[i].key);
    }
    // Far enough ahead for the slot to arrive before its item's turn, near enough to stay in the cache.
    constexpr std::size_t ahead = 12;
    const auto keyOf = [this](int at) -> const std::string& { return keyAt(at); };
    int added = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i + ahead < n && !items[i + ahead].key.empty()) {
            m_keys.prefetch(hashes[i + ahead]);
        }
        ListItem& item = items[i];
        item.selected = false;
        const int position = itemCount();
        if (item.key.empty()) {
            m_items.push_back(std::move(item));
            ++added;
            continue;
        }
        const std::size_t slot = m_keys.place(item.key, hashes[i], keyOf);
        if (m_uniqueKeys && m_keys.holds(slot)) {
            continue;
        }
        m_items.push_back(std::move(item));
        m_keys.count(slot, hashes[i], position);
        ++added;
    }
    if (added > 0) {
        notify(Property::List);
    }
    return added;
}

const ListItem& RWListView::item(int index) const {
    checkIndex(index);
    return m_items[static_cast<std::size_t>(index - 1)];
}

int RWListView::findItem(std::string_view key) const {
    if (key.empty()) {
        return 0;
    }
    const auto keyOf = [this](int position) -> const std::string& { return keyAt(position); };
    return m_keys.find(key, KeyIndex::hashOf(key), keyOf) + 1;
}

void RWListView::removeItem(int index) {
    checkIndex(index);
    const auto position = m_items.begin() + (index - 1);
    const bool wasSelected = position->selected;
    m_items.erase(position);
    m_selectedCount -= wasSelected ? 1 : 0;
    reindex();
    notify(Property::List);
    if (wasSelected) {
        notify(Property::Selection);
    }
}

void RWListView::clearItems() {
    m_items.clear();
    m_keys.clear();
    m_selectedCount = 0;
    notify(Property::List);
    notify(Property::Selection);
}

void RWListView::setItemText(int index, std::string text) {
    checkIndex(index);
    m_items[static_cast<std::size_t>(index - 1)].text = std::move(text);
    notify(Property::List);
}

void RWListView::setItemData(int index, ItemData data) {
    checkIndex(index);
    m_items[static_cast<std::size_t>(index - 1)].data = std::move(data);
}

void RWListView::setItemSelected(int index, bool selected) {
    checkIndex(index);
    if (selected && !m_multiSelect) {
        for (ListItem& other : m_items) {
            other.selected = false;
        }
        m_selectedCount = 0;
    }
    ListItem& item = m_items[static_cast<std::size_t>(index - 1)];
    m_selectedCount += (selected ? 1 : 0) - (item.selected ? 1 : 0);
    item.selected = selected;
    notify(Property::Selection);
}

void RWListView::deselectAll() {
    for (ListItem& i : m_items) {
        i.selected = false;
    }
    m_selectedCount = 0;
    notify(Property::Selection);
}

void RWListView::Sort() {
    std::stable_sort(m_items.begin(), m_items.end(),
                     [](const ListItem& a, const ListItem& b) { return lessIgnoringCase(a.text, b.text); });
    reindex();
    notify(Property::List);
}

void RWListView::Arrange() {
    ++m_arrangeRequests;
    notify(Property::Arrange);
}

void RWListView::raiseOLEStartDrag() {
    fire(OLEStartDrag);
}

void RWListView::raiseOLECompleteDrag(int effect) {
    fire(OLECompleteDrag, effect);
}

void RWListView::raiseClick() {
    fire(Click);
}

void RWListView::raiseDblClick() {
    fire(DblClick);
}

void RWListView::raiseKeyUp(int keyCode, int shift) {
    fire(KeyUp, keyCode, shift);
}

void RWListView::setStatusText(std::string text) {
    if (text == m_statusText) {
        return;
    }
    m_statusText = std::move(text);
    notify(Property::Status);
}

void RWListView::setEmptyText(std::string text) {
    if (text == m_emptyText) {
        return;
    }
    m_emptyText = std::move(text);
    notify(Property::Status);
}

std::unique_ptr<Control> RWListView::cloneDesign() const {
    auto copy = std::make_unique<RWListView>(Name());
    copy->copyDesignFrom(*this);
    copy->m_view = m_view;
    copy->m_uniqueKeys = m_uniqueKeys;
    copy->m_multiSelect = m_multiSelect;
    return copy;
}

} // namespace kv380::ui
