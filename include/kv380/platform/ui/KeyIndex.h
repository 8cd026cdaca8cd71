#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kv380::ui {

// Where the items of a list are by key: for each key, the position of its first item. A flat table probed in
// place, so that adding 100,000 keyed items touches one table slot each instead of a chain of separately
// allocated nodes; the keys themselves stay in the items (keyAt(position) reads one), and only a slot whose
// tag matches compares them. A slot takes eight bytes, so that the table of a 100,000-item list stays within
// a core's cache: a fill probes it at random, once per item.
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
        return m_slots[slotFor(key, hash, keyAt)].first;
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
    // Asks the processor to fetch the key's home slot now, for a place() that follows shortly.
    void prefetch(std::size_t hash) const {
        if (!m_slots.empty()) {
            __builtin_prefetch(&m_slots[home(tagOf(hash))]);
        }
    }
    // Whether the key of a placed slot is carried by an item already.
    bool holds(std::size_t slot) const { return m_slots[slot].first >= 0; }
    // The item at `position` (after every item already counted) carries the placed slot's key.
    void count(std::size_t slot, std::size_t hash, int position) {
        Slot& entry = m_slots[slot];
        if (entry.first < 0) {
            entry = Slot{tagOf(hash), position};
            ++m_used;
        } else {
            ++m_repeats;
        }
    }
    // Whether some key is carried by more than one item.
    bool hasDuplicates() const { return m_repeats > 0; }
    // Forgets every key and gives back the table.
    void clear();
    // Makes room for `keys` keys at once, so that a fill of known size never grows the table on the way.
    void reserve(std::size_t keys);

private:
    struct Slot {
        std::uint32_t tag{0};
        std::int32_t first{-1}; // -1: an empty slot
    };

    // Fibonacci hashing spreads any hash: the top 32 bits of the product are the tag, and the tag's top bits
    // are the home slot in the table's power-of-two size.
    static std::uint32_t tagOf(std::size_t hash) {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(hash) * 0x9E3779B97F4A7C15ULL) >> 32);
    }
    std::size_t home(std::uint32_t tag) const { return static_cast<std::size_t>(tag >> m_shift); }
    // The slot holding the key, or the empty slot where it would go (the table is never full).
    template <class KeyAt>
    std::size_t slotFor(std::string_view key, std::size_t hash, const KeyAt& keyAt) const {
        const std::size_t mask = m_slots.size() - 1;
        const std::uint32_t tag = tagOf(hash);
        for (std::size_t i = home(tag);; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.first < 0 || (slot.tag == tag && keyAt(slot.first) == key)) {
                return i;
            }
        }
    }
    void grow();
    void rehash(std::size_t slots);

    std::vector<Slot> m_slots;
    std::size_t m_used{0};    // slots holding a key
    std::size_t m_repeats{0}; // items counted on a key that an earlier item carries
    unsigned m_shift{32};
};

} // namespace kv380::ui
