#include "platform/ui/KeyIndex.h"
#include "platform/ui/RWListView.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

// Keys kept outside the index, as a list keeps them in its items.
struct Keys {
    std::vector<std::string> at;
    const std::string& operator()(int position) const { return at[static_cast<std::size_t>(position)]; }

    // Adds a key under a chosen hash; returns whether it was new.
    bool add(KeyIndex& index, std::string key, std::size_t hash) {
        const std::size_t slot = index.place(key, hash, *this);
        const bool added = !index.holds(slot);
        at.push_back(std::move(key));
        index.count(slot, hash, static_cast<int>(at.size()) - 1);
        return added;
    }
};

TEST(KeyIndex, KeysThatShareAHashAreStillToldApartAndEachKeepsItsFirstPosition) {
    KeyIndex index;
    Keys keys;
    // Every key under one hash: each lookup walks past the others and compares the keys themselves.
    for (int i = 0; i < 40; ++i) {
        EXPECT_TRUE(keys.add(index, "k" + std::to_string(i), 7));
    }
    EXPECT_FALSE(keys.add(index, "k3", 7));
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(index.find("k" + std::to_string(i), 7, keys), i);
    }
    EXPECT_EQ(index.find("k40", 7, keys), -1);
    EXPECT_EQ(index.find("k3", 8, keys), -1); // another hash is another key
    EXPECT_TRUE(index.hasDuplicates());
}

TEST(KeyIndex, GrowingKeepsEveryKeyAndClearingForgetsThem) {
    KeyIndex index;
    Keys keys;
    for (int i = 0; i < 5000; ++i) {
        const std::string key = "C:\\Symbols\\S" + std::to_string(i) + ".sym";
        ASSERT_TRUE(keys.add(index, key, KeyIndex::hashOf(key)));
    }
    EXPECT_FALSE(index.hasDuplicates());
    for (int i = 0; i < 5000; i += 7) {
        const std::string key = "C:\\Symbols\\S" + std::to_string(i) + ".sym";
        EXPECT_EQ(index.find(key, KeyIndex::hashOf(key), keys), i);
    }
    index.clear();
    EXPECT_EQ(index.find("C:\\Symbols\\S1.sym", KeyIndex::hashOf("C:\\Symbols\\S1.sym"), keys), -1);
}

TEST(KeyIndex, RoomMadeInAdvanceKeepsTheKeysAlreadyThereAndTakesTheNewOnes) {
    KeyIndex index;
    Keys keys;
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(keys.add(index, "a" + std::to_string(i), KeyIndex::hashOf("a" + std::to_string(i))));
    }
    index.reserve(3000);
    index.reserve(5); // never shrinks
    for (int i = 0; i < 3000; ++i) {
        const std::string key = "b" + std::to_string(i);
        ASSERT_TRUE(keys.add(index, key, KeyIndex::hashOf(key)));
    }
    EXPECT_FALSE(keys.add(index, "a3", KeyIndex::hashOf("a3")));
    EXPECT_EQ(index.find("a9", KeyIndex::hashOf("a9"), keys), 9);
    EXPECT_EQ(index.find("b2999", KeyIndex::hashOf("b2999"), keys), 3009);
}

TEST(RWListViewKeys, ADataObjectIsReadBackOnlyAsTheReferenceItWasStoredAs) {
    RWListView list;
    const auto text = std::make_shared<std::string>("P-101");
    list.reserve(2);
    list.addItem("k1", "one", {}, text);
    list.addItem("k2", "two");
    EXPECT_EQ(list.itemData<std::shared_ptr<std::string>>(1), text);
    EXPECT_EQ(text.use_count(), 2); // shared, not copied
    EXPECT_EQ(list.itemData<std::shared_ptr<std::string>>(2), nullptr);
    EXPECT_EQ(errorNumberOf([&] { (void)list.itemData<std::shared_ptr<int>>(1); }), err::TypeMismatch);
}

TEST(RWListViewKeys, FindingAKeyGivesItsFirstItemAfterSortingAndRemoving) {
    RWListView chosen("RWListView1");
    chosen.setUniqueKeys(false);
    chosen.addItem("b", "Zeta");
    chosen.addItem("a", "Beta");
    chosen.addItem("b", "Alpha");
    EXPECT_EQ(chosen.findItem("b"), 1);
    chosen.Sort(); // Alpha(b) Beta(a) Zeta(b)
    EXPECT_EQ(chosen.findItem("b"), 1);
    EXPECT_EQ(chosen.findItem("a"), 2);
    chosen.removeItem(1);
    EXPECT_EQ(chosen.findItem("b"), 2);
    EXPECT_EQ(chosen.findItem("a"), 1);
    chosen.setUniqueKeys(true); // one item per key is left
    EXPECT_EQ(errorNumberOf([&] { chosen.addItem("a", "again"); }), err::KeyNotUnique);
    EXPECT_EQ(chosen.itemCount(), 2);
    EXPECT_EQ(chosen.findItem(""), 0);
    EXPECT_EQ(chosen.findItem("c"), 0);
}

TEST(RWListViewKeys, ARefusedKeyLeavesTheListAsItWasForTheItemsThatFollow) {
    RWListView list("rwlvStockpile");
    list.reserve(1000);
    for (int i = 0; i < 1000; ++i) {
        list.addItem("k" + std::to_string(i), "Object " + std::to_string(i));
    }
    EXPECT_EQ(errorNumberOf([&] { list.addItem("k500", "again"); }), err::KeyNotUnique);
    EXPECT_EQ(list.addItem("k1000", "Object 1000"), 1001);
    EXPECT_EQ(list.findItem("k1000"), 1001);
    EXPECT_EQ(list.findItem("k500"), 501);
    EXPECT_EQ(list.item(1001).text, "Object 1000");
}

TEST(RWListViewKeys, AppendedItemsLeaveOutTakenKeysAsAddingThemOneByOneWould) {
    const auto fill = [](RWListView& list, bool together) {
        list.addItem("k1", "first");
        std::vector<ListItem> items;
        for (int i = 0; i < 600; ++i) {
            // Every seventh repeats an earlier key of the batch, every 100th the one already listed; some
            // have no key.
            std::string key = i % 100 == 50 ? "k1"
                              : i % 7 == 3  ? "k" + std::to_string(i - 3)
                                            : "k" + std::to_string(i);
            items.push_back({i % 97 == 0 ? std::string() : key, "Object " + std::to_string(i), {}, {}, true});
        }
        if (together) {
            return list.appendItems(items);
        }
        int added = 0;
        for (ListItem& item : items) {
            try {
                list.addItem(item.key, item.text);
                ++added;
            } catch (const AutomationError&) {
            }
        }
        return added;
    };
    for (const bool unique : {true, false}) {
        RWListView oneByOne("one");
        RWListView together("together");
        oneByOne.setUniqueKeys(unique);
        together.setUniqueKeys(unique);
        int notices = 0;
        together.modelChanged = [&](Control&, Property) { ++notices; };
        const int expected = fill(oneByOne, false);
        notices = 0;
        EXPECT_EQ(fill(together, true), expected) << unique;
        EXPECT_EQ(notices, 2); // the item added first, then the 600 appended as one change
        ASSERT_EQ(together.itemCount(), oneByOne.itemCount());
        for (int i = 1; i <= together.itemCount(); ++i) {
            EXPECT_EQ(together.item(i).key, oneByOne.item(i).key) << i;
            EXPECT_EQ(together.item(i).text, oneByOne.item(i).text) << i;
            EXPECT_FALSE(together.item(i).selected);
            EXPECT_EQ(together.findItem(together.item(i).key), oneByOne.findItem(oneByOne.item(i).key)) << i;
        }
        EXPECT_EQ(together.selectedCount(), 0);
    }
}

} // namespace
} // namespace kv380::ui
