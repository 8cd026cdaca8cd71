#include "platform/ui/RWListView.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

struct HostObject {
    std::string objectKey;
};

std::vector<std::string> texts(const RWListView& list) {
    std::vector<std::string> result;
    for (int i = 1; i <= list.itemCount(); ++i) {
        result.push_back(list.item(i).text);
    }
    return result;
}

TEST(RWListViewKeys, ASecondItemWithTheSameKeyIsRefusedAndTheListStaysAsItWas) {
    RWListView list("rwlvStockpile");
    list.addItem("C:\\Symbols\\Pump.sym", "P-101");
    int notifications = 0;
    list.modelChanged = [&](Control&, Property) { ++notifications; };
    EXPECT_EQ(errorNumberOf([&] { list.addItem("C:\\Symbols\\Pump.sym", "P-102"); }), err::KeyNotUnique);
    EXPECT_EQ(list.itemCount(), 1);
    EXPECT_EQ(list.item(1).text, "P-101");
    EXPECT_EQ(notifications, 0);
    // Keys compare exactly; items without a key are never in conflict.
    list.addItem("C:\\Symbols\\pump.sym", "P-103");
    list.addItem("", "no key");
    list.addItem("", "no key either");
    EXPECT_EQ(list.itemCount(), 4);
}

TEST(RWListViewKeys, AListThatTakesDuplicatesKeepsThemAndCannotBeMadeUniqueWhileItHoldsThem) {
    RWListView chosen("RWListView1");
    chosen.setUniqueKeys(false);
    chosen.addItem("/srv/symbols\\Pumps\\P1.sym", "P1");
    chosen.addItem("/srv/symbols\\Pumps\\P1.sym", "P1");
    EXPECT_EQ(chosen.itemCount(), 2);
    EXPECT_EQ(errorNumberOf([&] { chosen.setUniqueKeys(true); }), err::InvalidPropertyValue);
    EXPECT_FALSE(chosen.UniqueKeys());
    chosen.removeItem(2);
    chosen.setUniqueKeys(true);
    EXPECT_TRUE(chosen.UniqueKeys());
}

TEST(RWListViewKeys, RemovedAndClearedKeysCanBeUsedAgain) {
    RWListView list("rwlvStockpile");
    list.addItem("a", "A");
    list.addItem("b", "B");
    list.removeItem(1);
    EXPECT_EQ(list.findItem("a"), 0);
    EXPECT_EQ(list.findItem("b"), 1);
    list.addItem("a", "A again");
    list.clearItems();
    list.addItem("b", "B again");
    EXPECT_EQ(list.itemCount(), 1);
    EXPECT_EQ(errorNumberOf([&] { (void)list.item(2); }), err::IndexOutOfBounds);
    EXPECT_EQ(errorNumberOf([&] { (void)list.item(0); }), err::IndexOutOfBounds);
}

TEST(RWListViewData, TheDataObjectComesBackAsTheHostObjectItWas) {
    RWListView list("rwlvStockpile");
    auto object = std::make_shared<HostObject>(HostObject{"P-101"});
    list.addItem("k", "P-101", {}, object);
    list.addItem("plain", "no data");
    EXPECT_EQ(list.itemData<std::shared_ptr<HostObject>>(1), object);
    EXPECT_EQ(list.itemData<std::shared_ptr<HostObject>>(2), nullptr);
    EXPECT_EQ(errorNumberOf([&] { (void)list.itemData<std::shared_ptr<int>>(1); }), err::TypeMismatch);
}

TEST(RWListViewSort, SortingIsByTextWithoutRegardToCaseAndKeepsTheOrderOfEqualTexts) {
    RWListView list("rwlvStockpile");
    list.setUniqueKeys(false);
    list.addItem("1", "pump");
    list.addItem("2", "Valve");
    list.addItem("3", "PUMP");
    list.addItem("4", "agitator");
    list.addItem("5", "Pump");
    list.Sort();
    EXPECT_EQ(texts(list), (std::vector<std::string>{"agitator", "pump", "PUMP", "Pump", "Valve"}));
    EXPECT_EQ(list.item(2).key, "1");
    EXPECT_EQ(list.item(3).key, "3");
    // Keys still find their items after the reorder.
    EXPECT_EQ(list.findItem("2"), 5);
}

TEST(RWListViewSelection, WithoutMultiSelectSelectingOneItemClearsTheOthers) {
    RWListView list("RWListView1");
    list.addItem("a", "A");
    list.addItem("b", "B");
    list.setItemSelected(1, true);
    list.setItemSelected(2, true);
    EXPECT_EQ(list.selectedCount(), 2);
    list.setMultiSelect(false);
    list.setItemSelected(1, true);
    EXPECT_TRUE(list.item(1).selected);
    EXPECT_FALSE(list.item(2).selected);
    list.deselectAll();
    EXPECT_EQ(list.selectedCount(), 0);
}

TEST(RWListViewView, OnlyTheKnownViewModesAreAccepted) {
    RWListView list("rwlvStockpile");
    list.setView(RWListView::SmallIcons);
    EXPECT_EQ(errorNumberOf([&] { list.setView(4); }), err::InvalidPropertyValue);
    EXPECT_EQ(list.View(), RWListView::SmallIcons);
}

TEST(RWListViewFill, ALargeBatchedFillIsReportedOnceAndStillChecksKeys) {
    RWListView list("rwlvStockpile");
    int listNotifications = 0;
    list.modelChanged = [&](Control&, Property p) { listNotifications += p == Property::List ? 1 : 0; };
    list.beginUpdate();
    for (int i = 0; i < 100000; ++i) {
        list.addItem("C:\\Symbols\\S" + std::to_string(i) + ".sym", "Object " + std::to_string(i));
    }
    EXPECT_EQ(errorNumberOf([&] { list.addItem("C:\\Symbols\\S99999.sym", "again"); }), err::KeyNotUnique);
    list.endUpdate();
    EXPECT_EQ(list.itemCount(), 100000);
    EXPECT_EQ(listNotifications, 1);
}

TEST(RWListViewEvents, UserActionsRaiseTheirNotifications) {
    RWListView list("rwlvStockpile");
    std::vector<std::string> seen;
    list.OLEStartDrag = [&] { seen.push_back("start"); };
    list.OLECompleteDrag = [&](int effect) { seen.push_back("complete " + std::to_string(effect)); };
    list.Click = [&] { seen.push_back("click"); };
    list.DblClick = [&] { seen.push_back("double"); };
    list.MouseUp = [&](int button, int shift, float x, float y) {
        seen.push_back("up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                       std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
    };
    list.raiseOLEStartDrag();
    list.raiseOLECompleteDrag(1);
    list.raiseClick();
    list.raiseDblClick();
    list.raiseMouseUp(2, 1, 300, 450);
    EXPECT_EQ(seen, (std::vector<std::string>{"start", "complete 1", "click", "double", "up 2 1 300 450"}));
    list.Arrange();
    EXPECT_EQ(list.arrangeRequests(), 1);
}

} // namespace
} // namespace kv380::ui
