#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UpDown.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

TEST(TextBoxChange, EveryAssignmentRaisesChangeOnceEvenWhenTheTextStaysTheSame) {
    TextBox box("txtRefreshRate");
    std::vector<std::string> seen;
    box.Change = [&] { seen.push_back(box.Text()); };
    box.setText("15");
    box.setText("15");
    EXPECT_EQ(seen, (std::vector<std::string>{"15", "15"}));
}

TEST(TextBoxChange, AChangeHandlerMayWriteItsOwnTextAgain) {
    // The page box replaces an out-of-range number by the page count, which runs its handler again.
    TextBox page("txtPageNo");
    const int pageCount = 3;
    std::vector<std::string> handled;
    page.Change = [&] {
        handled.push_back(page.Text());
        const int n = std::stoi(page.Text());
        if (n == 0) {
            page.setText("1");
        } else if (n > pageCount) {
            page.setText(std::to_string(pageCount));
        }
    };
    page.setText("9");
    EXPECT_EQ(page.Text(), "3");
    EXPECT_EQ(handled, (std::vector<std::string>{"9", "3"}));
    page.setText("0");
    EXPECT_EQ(page.Text(), "1");
}

TEST(CheckBoxClick, AssigningValueRaisesClickEachTimeAndBadValuesChangeNothing) {
    CheckBox box("chkAutoRefresh");
    std::vector<int> clicks;
    box.Click = [&] { clicks.push_back(box.Value()); };
    box.setValue(CheckBox::Checked);
    box.setValue(CheckBox::Checked);
    box.setValue(CheckBox::Unchecked);
    EXPECT_EQ(errorNumberOf([&] { box.setValue(3); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { box.setValue(-1); }), err::InvalidPropertyValue);
    EXPECT_EQ(clicks, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(box.Value(), CheckBox::Unchecked);
}

TEST(ComboBoxClick, SelectingRaisesClickEvenForTheSameEntryWhileFillingAndClearingRaiseNothing) {
    ComboBox combo("cmbOrganiseBy");
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    combo.AddItem("Process");
    combo.AddItem("Utilities");
    EXPECT_EQ(clicks, 0);
    combo.setListIndex(0);
    combo.setListIndex(0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.Text(), "Process");

    combo.Clear();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.ListCount(), 0);
    EXPECT_EQ(combo.Text(), "");
}

TEST(ComboBoxClick, BadIndexesAreRefusedWithoutAClickOrAChange) {
    ComboBox combo("cmbOrganiseBy");
    combo.AddItem("Process");
    combo.setListIndex(0);
    int clicks = 0;
    combo.Click = [&] { ++clicks; };
    EXPECT_EQ(errorNumberOf([&] { combo.setListIndex(1); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { combo.setListIndex(-2); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { (void)combo.List(1); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { combo.AddItem("x", 5); }), err::InvalidProcedureCall);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(combo.ListIndex(), 0);
    EXPECT_EQ(combo.ListCount(), 1);
}

TEST(ComboBoxClick, InsertingAndRemovingEntriesKeepsTheSelectedEntrySelected) {
    ComboBox combo("cmbOrganiseBy");
    combo.AddItem("B");
    combo.AddItem("C");
    combo.setListIndex(1);
    combo.AddItem("A", 0);
    EXPECT_EQ(combo.Text(), "C");
    combo.RemoveItem(0);
    EXPECT_EQ(combo.Text(), "C");
    combo.RemoveItem(1);
    EXPECT_EQ(combo.ListIndex(), -1);
}

TEST(TabStripClick, SelectingATabAlwaysRaisesClickWhileAddingRemovingAndClearingRaiseNothing) {
    TabStrip tabs("TabStrip");
    int clicks = 0;
    tabs.Click = [&] { ++clicks; };
    tabs.addTab("      Options");
    EXPECT_EQ(tabs.selectedTab(), 1); // the first tab of an empty strip is selected, silently
    tabs.addTab("Area 100");
    tabs.addTab("Area 200");
    tabs.selectTab(3);
    tabs.selectTab(3);
    EXPECT_EQ(clicks, 2);

    tabs.removeTab(2);
    EXPECT_EQ(tabs.selectedTab(), 2); // still "Area 200"
    EXPECT_EQ(tabs.tab(2).caption, "Area 200");
    tabs.removeTab(2);
    EXPECT_EQ(tabs.selectedTab(), 1); // the selected tab went: the new last one takes over
    tabs.clearTabs();
    EXPECT_EQ(tabs.selectedTab(), 0);
    EXPECT_EQ(clicks, 2);
}

TEST(TabStripClick, BadIndexesAndDuplicateKeysAreRefusedAndNothingChanges) {
    TabStrip tabs("TabStrip1");
    tabs.addTab("PFD", "PFD");
    int clicks = 0;
    tabs.Click = [&] { ++clicks; };
    EXPECT_EQ(errorNumberOf([&] { tabs.selectTab(2); }), err::IndexOutOfBounds);
    EXPECT_EQ(errorNumberOf([&] { tabs.selectTab(0); }), err::IndexOutOfBounds);
    EXPECT_EQ(errorNumberOf([&] { tabs.removeTab(2); }), err::IndexOutOfBounds);
    EXPECT_EQ(errorNumberOf([&] { tabs.addTab("again", "PFD"); }), err::KeyNotUnique);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(tabs.tabCount(), 1);
    EXPECT_EQ(tabs.selectedTab(), 1);
}

TEST(UpDownSpin, ASpinWritesTheBuddysTextWhichRunsItsChange) {
    TextBox rate("txtRefreshRate");
    UpDown spinner("UpDown1");
    spinner.setMin(0);
    spinner.setMax(60);
    spinner.setBuddyControl(&rate);
    std::vector<std::string> changes;
    rate.Change = [&] { changes.push_back(rate.Text()); };
    rate.setText("15");
    spinner.spinUp();
    spinner.spinUp();
    spinner.spinDown();
    EXPECT_EQ(changes, (std::vector<std::string>{"15", "16", "17", "16"}));
    EXPECT_EQ(spinner.Value(), 16);
}

TEST(UpDownSpin, TheRangeStopsTheSpinAndTextThatIsNotANumberSpinsFromTheLastValue) {
    TextBox page("txtPageNo");
    UpDown spinner("UpDown2");
    spinner.setMin(0);
    spinner.setMax(60);
    spinner.setBuddyControl(&page);
    int changes = 0;
    page.Change = [&] { ++changes; };
    page.setText("60");
    spinner.spinUp();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(page.Text(), "60");

    spinner.setValue(4);
    page.setText("four");
    spinner.spinUp();
    EXPECT_EQ(page.Text(), "5");
    EXPECT_EQ(errorNumberOf([&] { spinner.setValue(61); }), err::InvalidPropertyValue);
    EXPECT_EQ(errorNumberOf([&] { spinner.setIncrement(0); }), err::InvalidPropertyValue);
    EXPECT_EQ(spinner.Value(), 5);
}

} // namespace
} // namespace kv380::ui
