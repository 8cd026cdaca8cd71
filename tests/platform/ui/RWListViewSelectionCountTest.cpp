#include "platform/ui/RWListView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kv380::ui {
namespace {

// The count of selected items, read by the renderer for every fill, against the items themselves.
int countedBySelf(const RWListView& list) {
    int selected = 0;
    for (int i = 1; i <= list.itemCount(); ++i) {
        selected += list.item(i).selected ? 1 : 0;
    }
    return selected;
}

TEST(RWListViewSelection, TheSelectedCountFollowsEveryWayItemsAreSelectedOrGo) {
    RWListView list("rwlvStockpile");
    for (int i = 1; i <= 6; ++i) {
        list.addItem("k" + std::to_string(i), "Object " + std::to_string(7 - i));
    }
    const auto expectCount = [&](int expected) {
        EXPECT_EQ(list.selectedCount(), expected);
        EXPECT_EQ(countedBySelf(list), expected);
    };
    list.setItemSelected(2, true);
    list.setItemSelected(2, true); // again: still one
    list.setItemSelected(5, true);
    expectCount(2);
    list.setItemSelected(4, false); // not selected: nothing changes
    expectCount(2);
    list.Sort();
    expectCount(2);
    list.removeItem(list.findItem("k5"));
    expectCount(1);
    list.removeItem(1);
    expectCount(1);
    list.setMultiSelect(false);
    list.setItemSelected(1, true);
    expectCount(1);
    list.deselectAll();
    expectCount(0);
    list.setItemSelected(3, true);
    list.clearItems();
    expectCount(0);
}

} // namespace
} // namespace kv380::ui
