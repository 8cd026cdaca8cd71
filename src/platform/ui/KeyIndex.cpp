#include "platform/ui/KeyIndex.h"

#include <algorithm>
#include <utility>

namespace kv380::ui {

void KeyIndex::clear() {
    std::vector<Slot>().swap(m_slots);
    m_used = 0;
    m_repeats = 0;
    m_shift = 32;
}

void KeyIndex::grow() {
    rehash(std::max<std::size_t>(16, m_slots.size() * 2));
}

void KeyIndex::reserve(std::size_t keys) {
    std::size_t slots = std::max<std::size_t>(16, m_slots.size());
    while ((keys + 1) * 2 > slots) {
        slots *= 2;
    }
    if (slots > m_slots.size()) {
        rehash(slots);
    }
}

void KeyIndex::rehash(std::size_t slots) {
    std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(slots));
    m_shift = 32;
    for (std::size_t size = slots; size > 1; size /= 2) {
        --m_shift;
    }
    // The keys are distinct already: each goes to the first empty slot from its home.
    const std::size_t mask = slots - 1;
    for (const Slot& slot : old) {
        if (slot.first < 0) {
            continue;
        }
        std::size_t i = home(slot.tag);
        while (m_slots[i].first >= 0) {
            i = (i + 1) & mask;
        }
        m_slots[i] = slot;
    }
}

} // namespace kv380::ui
