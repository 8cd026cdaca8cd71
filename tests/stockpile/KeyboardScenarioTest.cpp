// The panel driven from the keyboard: the keys reach the control through its KeyDown, as the renderer
// sends them, with the control that has the focus.
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Timer.h"
#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kv380::test {
namespace {

namespace key = ui::key;

FakeHost::Builder twoViews() {
    return FakeHost::Builder()
        .organisation("Process")
        .view("Pumps")
        .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
        .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
        .object({.id = "3", .key = "D-201", .symbol = "A.sym"})
        .view("Lines")
        .object({.id = "4", .key = "L-1", .symbol = "A.sym"})
        .symbolFile("A.sym");
}

// Records the controls asked for the focus.
struct FocusLog {
    explicit FocusLog(ui::Control& control) {
        control.modelChanged = [this, &control](ui::Control&, ui::Property what) {
            if (what == ui::Property::Focus) {
                focused.push_back(&control);
            }
        };
    }
    std::vector<ui::Control*> focused;
};

struct KeyboardPanel : StockpileHarness {
    KeyboardPanel() : StockpileHarness(twoViews()) { attachAndOpen(); }
    // Presses a key; whether the panel used it.
    bool press(int keyCode, int shift = 0, ui::Control* focused = nullptr) {
        int code = keyCode;
        control->raiseKeyDown(code, shift, focused);
        host.completeLoads();
        return code == 0;
    }
};

TEST(Keyboard, CtrlFGoesToTheFilterAndEnterThereListsTheViewTheUserCameFrom) {
    KeyboardPanel h;
    h.selectTab(3);
    FocusLog filterFocus(h.control->txtFilterBy);
    EXPECT_TRUE(h.press(key::F, key::CtrlMask));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_TRUE(h.control->txtFilterBy.Visible() && h.control->fraFilter.Visible());
    EXPECT_EQ(filterFocus.focused.size(), 1u);

    h.control->txtFilterBy.setText("L");
    FocusLog listFocus(h.list(2));
    EXPECT_TRUE(h.press(key::Return, 0, &h.control->txtFilterBy));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
    EXPECT_EQ(h.list(2).itemCount(), 1);
    EXPECT_EQ(h.list(2).StatusText(), "1 of 1");
    EXPECT_EQ(listFocus.focused.size(), 1u);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Keyboard, EnterInTheFilterBeforeAnyViewWasShownListsTheFirstView) {
    KeyboardPanel h;
    h.control->txtFilterBy.setText("P");
    EXPECT_TRUE(h.press(key::Return, 0, &h.control->txtFilterBy));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 2);
    EXPECT_EQ(h.list(1).StatusText(), "2 of 3");
}

TEST(Keyboard, KeysThePanelDoesNotUseGoOnToTheFocusedControl) {
    KeyboardPanel h;
    EXPECT_FALSE(h.press(key::F));                                     // a plain F is typed
    EXPECT_FALSE(h.press(key::Return, 0, &h.control->txtRefreshRate)); // Enter elsewhere
    EXPECT_FALSE(h.press(key::Apps));                                  // no list on the Options tab
    EXPECT_FALSE(h.press(key::Down));
    EXPECT_TRUE(h.desktop->menuPopups().empty());
}

TEST(Keyboard, CtrlPageUpAndDownSwitchTabsAndStopAtTheEnds) {
    KeyboardPanel h;
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 2);
    EXPECT_EQ(h.list(1).itemCount(), 3); // the view was listed as a click lists it
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask));
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
    EXPECT_TRUE(h.press(key::PageUp, key::CtrlMask));
    EXPECT_TRUE(h.press(key::PageUp, key::CtrlMask));
    EXPECT_TRUE(h.press(key::PageUp, key::CtrlMask));
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_FALSE(h.press(key::PageUp)); // without Ctrl the focused control pages
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Keyboard, TheMenuKeyAndShiftF10OpenTheMenuOfTheSelection) {
    KeyboardPanel h;
    h.selectTab(2);
    h.list(1).setItemSelected(2, true);
    h.desktop->dismissNextMenu();
    EXPECT_TRUE(h.press(key::Apps, 0, &h.list(1)));
    ASSERT_EQ(h.desktop->menuPopups().size(), 1u);
    EXPECT_EQ(h.desktop->menuPopups().back().menu, "mnuStockPile");

    h.list(1).deselectAll();
    h.desktop->dismissNextMenu();
    EXPECT_TRUE(h.press(key::F10, key::ShiftMask, &h.list(1)));
    ASSERT_EQ(h.desktop->menuPopups().size(), 2u);
    EXPECT_EQ(h.desktop->menuPopups().back().menu, "mnuBackground"); // nothing selected
    EXPECT_FALSE(h.press(key::F10));                                 // F10 alone is the host's
    EXPECT_EQ(h.desktop->unusedScript(), 0u);
}

TEST(Keyboard, EnterOnAnObjectAsksTheHostToPlaceIt) {
    KeyboardPanel h;
    std::vector<std::shared_ptr<IKVPresentedObject>> placed;
    h.control->setPlaceObjectHook(
        [&](const std::shared_ptr<IKVPresentedObject>& object) { placed.push_back(object); });
    h.selectTab(2);
    h.list(1).setItemSelected(3, true);
    EXPECT_TRUE(h.press(key::Return, 0, &h.list(1)));
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed.front(), h.host.object("3"));

    // Several objects, or none, place nothing; Enter on another control is not a placement.
    h.list(1).setItemSelected(1, true);
    h.press(key::Return, 0, &h.list(1));
    h.list(1).deselectAll();
    h.press(key::Return, 0, &h.list(1));
    EXPECT_FALSE(h.press(key::Return, 0, &h.control->txtPageNo));
    EXPECT_EQ(placed.size(), 1u);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Keyboard, APlacementTheHostRefusesIsReportedOnceAndTheNextOneWorks) {
    KeyboardPanel h;
    int calls = 0;
    h.control->setPlaceObjectHook([&](const std::shared_ptr<IKVPresentedObject>&) {
        if (++calls == 1) {
            throw AutomationError(91, "DemoHost", "no drawing is open");
        }
    });
    h.selectTab(2);
    h.list(1).setItemSelected(1, true);
    EXPECT_TRUE(h.press(key::Return, 0, &h.list(1)));
    ASSERT_EQ(h.reporter->count(), 1u);
    const ErrorReport& report = h.reporter->reports().front();
    EXPECT_EQ(report.procedure, "PlaceObject");
    EXPECT_EQ(report.source, "projStockpile.ctlStockpile");
    EXPECT_EQ(report.number, 91);
    EXPECT_EQ(report.description, "no drawing is open");

    EXPECT_TRUE(h.press(key::Return, 0, &h.list(1)));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(h.reporter->count(), 1u);
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask)); // the panel goes on
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
}

TEST(Keyboard, ATabSwitchWhoseReloadFailsIsReportedOnceAndTheNextSwitchListsTheView) {
    KeyboardPanel h;
    h.selectTab(2);
    h.host.failOn("Workspace.Status");
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask));
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"TabStrip_Click"});
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
    EXPECT_TRUE(h.press(key::PageUp, key::CtrlMask));
    EXPECT_TRUE(h.press(key::PageDown, key::CtrlMask));
    EXPECT_EQ(h.list(2).itemCount(), 1);
    EXPECT_EQ(h.reporter->count(), 1u);
}

TEST(Keyboard, EnterOnAnObjectWithoutAHookDoesNothing) {
    KeyboardPanel h;
    h.selectTab(2);
    h.list(1).setItemSelected(1, true);
    EXPECT_TRUE(h.press(key::Return, 0, &h.list(1)));
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST(Keyboard, AMenuKeyWhoseSelectionCannotBeReadIsReportedOnceAndTheMenuStillOpens) {
    KeyboardPanel h;
    h.selectTab(2);
    h.list(1).setItemSelected(1, true);
    h.host.failOn("DrawingApplication.ActiveDocument");
    h.desktop->dismissNextMenu();
    EXPECT_TRUE(h.press(key::Apps, 0, &h.list(1)));
    EXPECT_EQ(h.reporter->procedures(), std::vector<std::string>{"rwlvStockpile_MouseUp"});
    EXPECT_EQ(h.desktop->menuPopups().size(), 1u);
}

TEST(Accessibility, EveryChildControlHasANameAndADescriptionAndLoadedListsCopyThem) {
    KeyboardPanel h;
    h.selectTab(3); // list element 2, loaded at run time
    int described = 0;
    for (ui::Control& control : h.control->Controls()) {
        if (dynamic_cast<ui::Timer*>(&control) != nullptr) {
            continue; // nothing on the screen
        }
        EXPECT_FALSE(control.AccessibleName().empty()) << control.Name();
        EXPECT_FALSE(control.AccessibleDescription().empty()) << control.Name();
        ++described;
    }
    EXPECT_GE(described, 22);
    EXPECT_EQ(h.list(2).AccessibleName(), "Objects");
    EXPECT_FALSE(h.control->AccessibleName().empty());
}

} // namespace
} // namespace kv380::test
