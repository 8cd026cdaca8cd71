#pragma once

#include "platform/Export.h"

#include "platform/AutomationError.h"
#include "platform/ui/Control.h"
#include "platform/ui/KeyIndex.h"

#include <memory>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

namespace kv380::ui {

// An item's data object: a shared reference to any object, kept with the type it was stored as, so that it
// is read back only as that type. Storing it allocates nothing (the reference shares the object's count).
class KV380_API ItemData {
public:
    ItemData() = default;
    template <class T>
    ItemData(std::shared_ptr<T> object) : m_object(std::move(object)), m_type(&typeid(T)) {}

    bool has_value() const { return m_type != nullptr; }
    // The object as a reference of the stored type; another type throws 13 (type mismatch). Nothing stored
    // gives nothing.
    template <class T> std::shared_ptr<T> as() const {
        if (m_type == nullptr) {
            return nullptr;
        }
        if (*m_type != typeid(T)) {
            raise(err::TypeMismatch);
        }
        return std::static_pointer_cast<T>(m_object);
    }

private:
    std::shared_ptr<void> m_object;
    const std::type_info* m_type{nullptr};
};

// One item of a list view.
struct KV380_API ListItem {
    std::string key;
    std::string text;
    std::string icon; // picture name; empty for none
    // The data object: a host object (read it back with itemData<T>).
    ItemData data;
    bool selected{false};
};

// The list control used for the stock pile's lists and the symbol lists: keyed items with text, a data
// object and a selected state, shown as large (View 0) or small (View 2) icons.
//
// Items are 1-based. Whether keys must be unique is a per-list setting (on by default): a second item with
// a key already in such a list throws 35602 and is not added. Lists that take duplicates (a list of chosen
// symbols) switch it off. Keys are found through a hash index, so filling 100,000 items stays fast;
// wrap large fills in beginUpdate()/endUpdate() so the renderer hears of them once. Empty keys are never
// checked (an item may have no key).
//
// Notifications raised by the user (through the renderer) or by a test: drag start and completion, click,
// double-click, a key released after the list handled it, mouse buttons (Control::MouseDown/MouseUp) and
// drag-over (Control::DragOver).
class KV380_API RWListView : public Control {
public:
    static constexpr int LargeIcons = 0;
    static constexpr int SmallIcons = 2;

    explicit RWListView(std::string name = {});

    int View() const { return m_view; }
    // 0..3 (0 large icons, 1 small icons in a flow, 2 small icons, 3 details); else 380.
    void setView(int view);
    bool UniqueKeys() const { return m_uniqueKeys; }
    // Switching uniqueness on while the list holds duplicate keys throws 380 and changes nothing.
    void setUniqueKeys(bool unique);
    // With multi-select off, selecting an item clears the selection of the others.
    bool MultiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool multiSelect);

    // Makes room for `count` items in all, so that a fill of known size does not move the items already
    // added each time the list outgrows its room. Changes nothing that can be seen; a count too large to
    // make room for throws std::length_error or std::bad_alloc and changes nothing.
    void reserve(int count);
    // Appends an item and returns its index.
    int addItem(std::string key, std::string text, std::string icon = {}, ItemData data = {});
    // Appends the items in their order, unselected, leaving out each whose key the list holds by then (in a
    // list of unique keys), as addItem would refuse it; answers how many were added. For fills: the key
    // index is probed for several items at once instead of waiting on memory for each in turn.
    int appendItems(std::vector<ListItem>& items);
    int itemCount() const { return static_cast<int>(m_items.size()); }
    // An index outside 1..itemCount throws 35600.
    const ListItem& item(int index) const;
    // The first item with that key, 0 when none.
    int findItem(std::string_view key) const;
    void removeItem(int index);
    // Removes every item; raises nothing.
    void clearItems();

    void setItemText(int index, std::string text);
    void setItemData(int index, ItemData data);
    // The data object as the reference type it was stored as (itemData<std::shared_ptr<X>>); another type
    // throws 13 (type mismatch). An item without data gives an empty reference.
    template <class T> T itemData(int index) const {
        return item(index).data.template as<typename T::element_type>();
    }
    void setItemSelected(int index, bool selected);
    int selectedCount() const { return m_selectedCount; }
    void deselectAll();

    // Sorts the items by text without regard to case (ASCII letters); items with equal texts keep their
    // order.
    void Sort();
    // Asks the list to lay out its items again (after a resize). The model only counts the requests.
    void Arrange();
    int arrangeRequests() const { return m_arrangeRequests; }

    std::function<void()> OLEStartDrag;
    std::function<void(int effect)> OLECompleteDrag;
    std::function<void()> Click;
    std::function<void()> DblClick;
    // A key was released (the renderer's key code; shift state as for the mouse), after the list handled
    // it (moved its selection, say).
    std::function<void(int keyCode, int shift)> KeyUp;

    void raiseOLEStartDrag();
    // effect: 0 none, 1 copy, 2 move.
    void raiseOLECompleteDrag(int effect = 0);
    void raiseClick();
    void raiseDblClick();
    void raiseKeyUp(int keyCode, int shift = 0);

    // A line the renderer shows under the items ("23 of 1,204"), and the message it shows in place of the
    // items while the list has none ("No object matches P-1["); empty for none.
    const std::string& StatusText() const { return m_statusText; }
    void setStatusText(std::string text);
    const std::string& EmptyText() const { return m_emptyText; }
    void setEmptyText(std::string text);

    std::unique_ptr<Control> cloneDesign() const override;

private:
    void checkIndex(int index) const;
    // Indexes every item's key again, after items were removed or reordered.
    void reindex();
    const std::string& keyAt(int position) const { return m_items[static_cast<std::size_t>(position)].key; }

    std::vector<ListItem> m_items;
    // Where each non-empty key is, and how many items carry it.
    KeyIndex m_keys;
    // How many items are selected, so that a renderer can tell at once that none is.
    int m_selectedCount{0};
    int m_view{LargeIcons};
    bool m_uniqueKeys{true};
    bool m_multiSelect{true};
    int m_arrangeRequests{0};
    std::string m_statusText;
    std::string m_emptyText;
};

} // namespace kv380::ui
