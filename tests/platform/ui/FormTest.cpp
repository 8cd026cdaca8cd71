#include "platform/ui/Form.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/UserControl.h"
#include "support/ErrorNumber.h"
#include "support/ScriptedDesktop.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

TEST(TopLevelResize, EachSizeChangeRaisesOneResizeAndAnUnchangedSizeNone) {
    UserControl control("ctlStockpile");
    int resizes = 0;
    control.Resize = [&] { ++resizes; };
    control.setWidth(8895);
    control.setHeight(4275);
    EXPECT_EQ(resizes, 2);
    control.Move(0, 0, 9000, 5000);
    EXPECT_EQ(resizes, 3);
    control.setWidth(9000);
    control.Move(10, 10, 9000, 5000); // moved, not resized
    EXPECT_EQ(resizes, 3);
}

TEST(TopLevelResize, TheInnerSizeKeepsItsBorderWhenCodeChangesTheOuterSize) {
    Form dialog("frmSymbolMap");
    dialog.Move(0, 0, 11640, 7755);
    std::vector<float> seen;
    dialog.Resize = [&] { seen.push_back(dialog.ScaleWidth()); };
    dialog.resizeTo(11640, 7755, 11520, 7350); // the renderer knows the border: one Resize
    EXPECT_EQ(seen, (std::vector<float>{11520}));
    dialog.setWidth(6120);
    EXPECT_EQ(dialog.ScaleWidth(), 6000);
    EXPECT_EQ(dialog.ScaleHeight(), 7350);
    EXPECT_EQ(errorNumberOf([&] { dialog.setScaleSize(-1, 10); }), err::InvalidPropertyValue);
    EXPECT_EQ(seen.size(), 2U);
}

TEST(TopLevelResize, AResizeHandlerThatEnlargesTheFormGetsANestedResizeAndEndsWithTheMinimum) {
    Form dialog("frmSymbolMap");
    std::vector<float> widths;
    dialog.Resize = [&] {
        if (dialog.Width() < 6000) {
            dialog.setWidth(6000);
        }
        widths.push_back(dialog.Width());
    };
    dialog.setWidth(5000);
    EXPECT_EQ(dialog.Width(), 6000);
    EXPECT_EQ(widths, (std::vector<float>{6000, 6000}));
}

TEST(TopLevelResize, MinimizingAndRestoringRaiseResizeAndARemeasureRaisesOneMore) {
    Form dialog("frmSymbolMap");
    std::vector<int> states;
    dialog.Resize = [&] { states.push_back(dialog.WindowState()); };
    dialog.setWindowState(Form::Minimized);
    dialog.setWindowState(Form::Minimized); // no change
    dialog.setWindowState(Form::Normal);
    dialog.remeasured();
    EXPECT_EQ(states, (std::vector<int>{Form::Minimized, Form::Normal, Form::Normal}));
    EXPECT_EQ(errorNumberOf([&] { dialog.setWindowState(3); }), err::InvalidPropertyValue);
    EXPECT_EQ(dialog.WindowState(), Form::Normal);
}

TEST(TopLevelControls, NamesAreUniqueAndContainersMustBelongToTheSameForm) {
    Form menuForm("frmPopUpMenu");
    Form other("frmSymbolMap");
    auto& frame = other.add<Frame>("FrameA");
    menuForm.add<Label>("Label1");
    EXPECT_EQ(errorNumberOf([&] { menuForm.add<Label>("Label1"); }), err::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([&] { menuForm.add<Label>("Label2", &frame); }), err::InvalidProcedureCall);
    auto& own = menuForm.add<Frame>("Frame1");
    auto& label = menuForm.add<Label>("Label3");
    label.setContainer(own);
    EXPECT_EQ(label.Container(), &own);
    EXPECT_EQ(errorNumberOf([&] { own.setContainer(frame); }), err::InvalidPropertyValue);
    EXPECT_EQ(menuForm.find<Frame>("Frame1"), &own);
    EXPECT_EQ(menuForm.find<Label>("Frame1"), nullptr);
    EXPECT_EQ(menuForm.Controls().Count(), 3);
}

TEST(TopLevelButtons, EnterAndEscapePressTheDefaultAndCancelButtonsAndTheRolesAreUnique) {
    Form dialog("frmSymbolMap");
    auto& ok = dialog.add<CommandButton>("cmdOK");
    auto& cancel = dialog.add<CommandButton>("cmdCancel");
    auto& other = dialog.add<CommandButton>("Command1");
    std::vector<std::string> clicks;
    ok.Click = [&] { clicks.push_back("OK"); };
    cancel.Click = [&] { clicks.push_back("Cancel"); };
    other.setDefault(true);
    ok.setDefault(true);
    cancel.setCancel(true);
    EXPECT_FALSE(other.Default());
    EXPECT_EQ(dialog.defaultButton(), &ok);
    EXPECT_TRUE(dialog.pressEnter());
    EXPECT_TRUE(dialog.pressEscape());
    ok.setEnabled(false);
    EXPECT_FALSE(dialog.pressEnter());
    EXPECT_EQ(clicks, (std::vector<std::string>{"OK", "Cancel"}));
}

TEST(UserControlVisibility, HidingTheControlRaisesHideOnce) {
    UserControl control("ctlStockpile");
    int hides = 0;
    control.Hide = [&] { ++hides; };
    control.setVisible(false);
    control.setVisible(false);
    control.setVisible(true);
    EXPECT_EQ(hides, 1);
}

TEST(TopLevelLifetime, InitializeAndTerminateRunOnceEach) {
    UserControl control("ctlStockpile");
    int initialized = 0;
    int terminated = 0;
    control.Initialize = [&] { ++initialized; };
    control.Terminate = [&] { ++terminated; };
    control.initialize();
    control.initialize();
    control.terminate();
    control.terminate();
    EXPECT_EQ(initialized, 1);
    EXPECT_EQ(terminated, 1);
}

class ModalFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Load = [&] { events.push_back("Load"); };
        dialog.Resize = [&] { events.push_back("Resize"); };
        dialog.QueryUnload = [&](int& cancel, int mode) {
            events.push_back("QueryUnload " + std::to_string(mode));
            cancel = refuseUnload ? 1 : 0;
        };
        ok.setDefault(true);
        ok.Click = [&] {
            okHit = true;
            dialog.Hide();
        };
    }

    test::DesktopScope desktop;
    Form owner{"frmPopUpMenu"};
    Form dialog{"frmSymbolMap"};
    CommandButton& ok = dialog.add<CommandButton>("cmdOK");
    std::vector<std::string> events;
    bool okHit = false;
    bool refuseUnload = false;
};

TEST_F(ModalFormTest, AModalShowLoadsLaysOutAndWaitsUntilTheUserHidesTheForm) {
    dialog.setCaption("Select Symbol for Diagram Conversion from PFD");
    desktop->onNextModal([&](Form& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(shown.Visible());
        EXPECT_TRUE(shown.showingModal());
        events.push_back("user");
        shown.pressEnter();
    });
    dialog.Show(Form::Modal, &owner);
    EXPECT_TRUE(okHit);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.showingModal());
    EXPECT_TRUE(dialog.Loaded()); // hidden, not unloaded: its state stays readable
    EXPECT_EQ(events, (std::vector<std::string>{"Load", "Resize", "user"}));
    ASSERT_EQ(desktop->modalShows().size(), 1U);
    EXPECT_EQ(desktop->modalShows()[0].owner, "frmPopUpMenu");
    EXPECT_EQ(desktop->modalShows()[0].caption, "Select Symbol for Diagram Conversion from PFD");
}

TEST_F(ModalFormTest, TheCloseBoxUnloadsTheFormUnlessQueryUnloadCancels) {
    desktop->onNextModal([&](Form& shown) {
        refuseUnload = true;
        EXPECT_FALSE(shown.closeByUser());
        EXPECT_TRUE(shown.Visible());
        refuseUnload = false;
        EXPECT_TRUE(shown.closeByUser());
    });
    dialog.Show(Form::Modal);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_FALSE(okHit);
    EXPECT_EQ(events, (std::vector<std::string>{"Load", "Resize", "QueryUnload 0", "QueryUnload 0"}));
    // Shown again, it loads again.
    desktop->onNextModal([](Form& shown) { shown.Unload(); });
    dialog.Show(Form::Modal);
    EXPECT_EQ(events.back(), "QueryUnload 1");
    EXPECT_EQ(std::count(events.begin(), events.end(), "Load"), 2);
}

TEST_F(ModalFormTest, AnUnscriptedModalFormFailsTheTestAndIsClosed) {
    EXPECT_NONFATAL_FAILURE(dialog.Show(Form::Modal), "unexpected modal form frmSymbolMap");
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(okHit);
}

TEST(PopupMenus, TheChosenItemsClickRunsBeforePopupMenuReturns) {
    test::DesktopScope desktop;
    Form menuForm("frmPopUpMenu");
    Menu& root = menuForm.addMenu("mnuBackground", "Background");
    root.setVisible(false);
    Menu& large = menuForm.addMenu("mnuLargeIcon", "Large Icons", &root);
    Menu& small = menuForm.addMenu("mnuSmallIcon", "Small Icons", &root);
    large.Click = [&] {
        large.setChecked(true);
        small.setChecked(false);
    };
    small.Click = [&] {
        small.setChecked(true);
        large.setChecked(false);
    };
    large.setChecked(true);
    EXPECT_EQ(root.items(), (std::vector<Menu*>{&large, &small}));

    desktop->chooseNext("mnuSmallIcon");
    menuForm.PopupMenu(root);
    EXPECT_TRUE(small.Checked());
    EXPECT_FALSE(large.Checked());
    ASSERT_EQ(desktop->menuPopups().size(), 1U);
    const auto& popup = desktop->menuPopups()[0];
    EXPECT_EQ(popup.chosen, "mnuSmallIcon");
    ASSERT_NE(popup.item("mnuLargeIcon"), nullptr);
    EXPECT_TRUE(popup.item("mnuLargeIcon")->checked); // as it stood when the menu opened

    desktop->dismissNextMenu();
    menuForm.PopupMenu(root);
    EXPECT_TRUE(small.Checked());
}

TEST(PopupMenus, ADisabledItemCannotBeChosenAndAnUnscriptedMenuFailsTheTest) {
    test::DesktopScope desktop;
    Form menuForm("frmPopUpMenu");
    Menu& root = menuForm.addMenu("mnuStockPile", "Stock Pile");
    Menu& datasheets = menuForm.addMenu("mnuDatasheets", "Datasheets...", &root);
    int clicks = 0;
    datasheets.Click = [&] { ++clicks; };
    datasheets.setEnabled(false);
    desktop->chooseNext("mnuDatasheets");
    EXPECT_NONFATAL_FAILURE(menuForm.PopupMenu(root), "cannot be chosen");
    EXPECT_NONFATAL_FAILURE(menuForm.PopupMenu(root), "unexpected pop-up menu mnuStockPile");
    EXPECT_EQ(clicks, 0);
    Form elsewhere("frmOther");
    EXPECT_EQ(errorNumberOf([&] { elsewhere.PopupMenu(root); }), err::InvalidProcedureCall);
}

} // namespace
} // namespace kv380::ui
