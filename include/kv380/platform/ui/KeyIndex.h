#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kv380::ui {

// Where the items of a list are by key: for each key, the position of its first item and how many items
// carry it. A flat table probed in place, so that adding 100,000 keyed items touches one table slot each
// instead of a chain of separately allocated nodes; the keys themselves stay in the items (keyAt(position)
// reads one), and only a slot whose hash matches compares them.
//
// Positions are 0-based. Removing or reordering items moves positions: the owner rebuilds the index then.
class KV380_API KeyIndex {
public:
    static std::size_t hashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }

    // The first position holding the key, or -1.
    template <class KeyAt> int find(std::string_view key, std::size_t hash, const KeyAt& keyAt) const {
        if (m_slots.empty()) {
            return -1;
        }
        const Slot& slot = m_slots[slotFor(key, hash, keyAt)];
        return slot.count > 0 ? slot.first : -1;
    }
    // Adding an item in two steps, so that a failure leaves both the items and the index as they were:
    // place() finds the key's slot (or the empty slot where it goes), growing the table first if need be;
    // after the item is stored, count() counts it there. Nothing else may change the index in between.
    template <class KeyAt> std::size_t place(std::string_view key, std::size_t hash, const KeyAt& keyAt) {
        if ((m_used + 1) * 2 > m_slots.size()) {
            grow();
        }
        return slotFor(key, hash, keyAt);
    }
    // Whether the key of a placed slot is carried by an item already.
    bool holds(std::size_t slot) const { return m_slots[slot].count > 0; }
    // The item at `position` (after every item already counted) carries the placed slot's key.
    void count(std::size_t slot, std::size_t hash, int position) {
        Slot& entry = m_slots[slot];
        if (entry.count == 0) {
            entry = Slot{hash, position, 0};
            ++m_used;
        }
        ++entry.count;
    }
    // Whether some key is carried by more than one item.
    bool hasDuplicates() const;
    // Forgets every key and gives back the table.
    void clear();
    // Makes room for `keys` keys at once, so that a fill of known size never grows the table on the way.
    void reserve(std::size_t keys);

private:
    struct Slot {
        std::size_t hash{0};
        int first{0};
        int count{0}; // 0: an empty slot
    };

    std::size_t home(std::size_t hash) const {
        // Fibonacci hashing spreads any hash over the table's power-of-two size.
        return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * 0x9E3779B97F4A7C15ULL) >>
                                        m_shift);
    }
    // The slot holding the key, or the empty slot where it would go (the table is never full).
    template <class KeyAt>
    std::size_t slotFor(std::string_view key, std::size_t hash, const KeyAt& keyAt) const {
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t i = home(hash);; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.count == 0 || (slot.hash == hash && keyAt(slot.first) == key)) {
                return i;
            }
        }
    }
    void grow();
    void rehash(std::size_t slots);

    std::vector<Slot> m_slots;
    std::size_t m_used{0};
    unsigned m_shift{64};
};

} // namespace kv380::ui
