#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <cstddef>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

namespace kv380::ui {

// A form's or user control's controls, in creation order (elements loaded at run time come last). Menu
// items, timers and image lists belong to it like every other control. A view: the form owns the controls.
class KV380_API ControlCollection {
public:
    using Storage = std::vector<std::unique_ptr<Control>>;

    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Control;
        using difference_type = std::ptrdiff_t;
        using pointer = Control*;
        using reference = Control&;

        iterator() = default;
        explicit iterator(Storage::const_iterator at) : m_at(at) {}
        Control& operator*() const { return **m_at; }
        Control* operator->() const { return m_at->get(); }
        iterator& operator++() {
            ++m_at;
            return *this;
        }
        iterator operator++(int) {
            iterator before = *this;
            ++m_at;
            return before;
        }
        bool operator==(const iterator&) const = default;

    private:
        Storage::const_iterator m_at;
    };

    explicit ControlCollection(const Storage& controls) : m_controls(&controls) {}

    int Count() const { return static_cast<int>(m_controls->size()); }
    // 0-based, as the runtime's Controls collection; an index outside 0..Count-1 throws 9.
    Control& Item(int index) const;
    // The first control with that name (an array's lowest loaded element comes first only if it was
    // created first), nullptr when none.
    Control* find(std::string_view name) const;

    iterator begin() const { return iterator(m_controls->begin()); }
    iterator end() const { return iterator(m_controls->end()); }

private:
    const Storage* m_controls;
};

} // namespace kv380::ui
