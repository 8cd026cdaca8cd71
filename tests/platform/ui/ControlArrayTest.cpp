#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UiErrors.h"
#include "platform/ui/UserControl.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

class ControlArrayTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame.Move(120, 1080, 2655, 2295);
        auto& first = lists[1];
        first.Move(240, 360, 255, 255);
        first.setToolTipText("Select an object");
        first.setView(RWListView::SmallIcons);
        first.addItem("k", "an item of element 1");
    }

    UserControl control{"ctlStockpile"};
    Frame& frame = control.add<Frame>("fraRWLView");
    ControlArray<RWListView>& lists = control.addArray<RWListView>("rwlvStockpile", &frame);
};

TEST_F(ControlArrayTest, ALoadedElementCopiesTheDesignSettingsButNotTheItemsAndStartsHidden) {
    RWListView& second = lists.Load(2);
    EXPECT_EQ(second.Name(), "rwlvStockpile");
    EXPECT_EQ(second.Index(), 2);
    EXPECT_EQ(second.Container(), &frame);
    EXPECT_EQ(second.Left(), 240);
    EXPECT_EQ(second.Width(), 255);
    EXPECT_EQ(second.ToolTipText(), "Select an object");
    EXPECT_EQ(second.View(), RWListView::SmallIcons);
    EXPECT_FALSE(second.Visible());
    EXPECT_EQ(second.itemCount(), 0);
    EXPECT_EQ(lists.LBound(), 1);
    EXPECT_EQ(lists.UBound(), 2);
}

TEST_F(ControlArrayTest, MissingElementsThrow340AndTheExistenceTestSaysSo) {
    lists.Load(2);
    lists.Load(3);
    lists.Unload(2);
    EXPECT_FALSE(lists.exists(2));
    EXPECT_TRUE(lists.exists(3));
    EXPECT_EQ(errorNumberOf([&] { (void)lists[2]; }), err::ControlArrayElementMissing);
    EXPECT_EQ(errorNumberOf([&] { lists.Unload(2); }), err::ControlArrayElementMissing);
    EXPECT_EQ(errorNumberOf([&] { lists.Load(-1); }), err::ControlArrayElementMissing);
    EXPECT_EQ(errorNumberOf([&] { lists.Load(3); }), uierr::ObjectAlreadyLoaded);
    EXPECT_EQ(errorNumberOf([&] { lists.Unload(1); }), uierr::CannotUnloadDesignElement);
    EXPECT_EQ(lists.indexes(), (std::vector<int>{1, 3}));
}

TEST_F(ControlArrayTest, ElementsJoinTheControlsCollectionInCreationOrderAndLeaveItWhenUnloaded) {
    lists.Load(3);
    lists.Load(2);
    std::vector<std::string> order;
    for (Control& c : control.Controls()) {
        order.push_back(c.Name() + (c.Index() >= 0 ? "(" + std::to_string(c.Index()) + ")" : ""));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"fraRWLView", "rwlvStockpile(1)", "rwlvStockpile(3)",
                                               "rwlvStockpile(2)"}));
    lists.Unload(3);
    EXPECT_EQ(control.Controls().Count(), 3);
}

TEST_F(ControlArrayTest, TheWiringConnectsEveryElementWithItsIndexAlsoThoseLoadedLater) {
    std::vector<int> clicked;
    lists.setWiring([&](RWListView& element, int index) {
        element.Click = [&clicked, index] { clicked.push_back(index); };
    });
    lists.Load(2);
    lists[1].raiseClick();
    lists[2].raiseClick();
    EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
}

TEST_F(ControlArrayTest, AnElementCannotBeUnloadedFromInsideItsOwnEvent) {
    lists.Load(2);
    int32_t refused = 0;
    lists[2].Click = [&] { refused = errorNumberOf([&] { lists.Unload(2); }); };
    lists[2].raiseClick();
    EXPECT_EQ(refused, uierr::CannotUnloadInContext);
    EXPECT_TRUE(lists.exists(2));
    lists.Unload(2);
    EXPECT_FALSE(lists.exists(2));
}

TEST_F(ControlArrayTest, TheFormTellsItsObserverWhenElementsComeAndGo) {
    int collectionChanges = 0;
    control.modelChanged = [&](Control&, Property p) {
        collectionChanges += p == Property::Controls ? 1 : 0;
    };
    lists.Load(2);
    lists.Unload(2);
    EXPECT_EQ(collectionChanges, 2);
}

} // namespace
} // namespace kv380::ui
