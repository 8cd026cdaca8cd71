#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <vector>

namespace kv380::ui {

// A drop-down list combo box (no free text). Entries are 0-based. Assigning ListIndex raises Click, by code
// as by the user, even when the index stays the same; such a combo box has no Change event. Adding,
// removing and clearing entries raise nothing.
class KV380_API ComboBox : public Control {
public:
    explicit ComboBox(std::string name = {});

    // Inserts an entry at index (0..ListCount), or appends it when index is -1; another index throws 5. The
    // selected entry stays selected.
    void AddItem(std::string text, int index = -1);
    // Removes an entry (5 for a bad index); removing the selected entry leaves nothing selected.
    void RemoveItem(int index);
    // Removes every entry; nothing is selected afterwards.
    void Clear();
    int ListCount() const { return static_cast<int>(m_items.size()); }
    // The entry's text; an index outside 0..ListCount-1 throws 380.
    const std::string& List(int index) const;
    // The selected entry, -1 for none.
    int ListIndex() const { return m_listIndex; }
    // -1..ListCount-1; else 380 and nothing changes.
    void setListIndex(int index);
    // The selected entry's text, "" when nothing is selected.
    std::string Text() const;

    std::function<void()> Click;

    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::vector<std::string> m_items;
    int m_listIndex{-1};
};

} // namespace kv380::ui
