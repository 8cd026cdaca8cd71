#include "support/StockpileHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kv380::test {
namespace {

// What an observer of the tab strip (the renderer) and of the control hears while a page is rebuilt: "tabs"
// for the strip's tabs, "selection" for its selected tab, "pointer" for the control's mouse pointer, which
// the tab change sets first thing.
class TabRebuild : public ::testing::Test {
protected:
    TabRebuild() : h(organisationWithViews("Big", 600)) {
        h.attachAndOpen();
        h.control->TabStrip.modelChanged = [this](ui::Control&, ui::Property p) {
            if (p == ui::Property::List) {
                heard.push_back("tabs");
            } else if (p == ui::Property::Selection) {
                heard.push_back("selection");
            }
        };
        h.control->modelChanged = [this](ui::Control&, ui::Property p) {
            if (p == ui::Property::MousePointer) {
                heard.push_back("pointer");
            }
        };
    }
    long heardOf(const std::string& what) const { return std::count(heard.begin(), heard.end(), what); }
    std::size_t firstOf(const std::string& what) const {
        return static_cast<std::size_t>(std::find(heard.begin(), heard.end(), what) - heard.begin());
    }

    StockpileHarness h;
    std::vector<std::string> heard;
};

TEST_F(TabRebuild, APageSwitchIsHeardOfOnceWithAllItsTabsBeforeTheTabChangeRuns) {
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.tabCaptions().size(), 255u);
    EXPECT_EQ(h.tabCaptions()[1], "View 255");
    EXPECT_EQ(heardOf("tabs"), 1);
    EXPECT_EQ(heardOf("selection"), 2); // once for the rebuild, once for the reselection of the Options tab
    ASSERT_LT(firstOf("pointer"), heard.size());
    EXPECT_LT(firstOf("tabs"), firstOf("pointer"));
    EXPECT_LT(firstOf("selection"), firstOf("pointer"));
}

TEST_F(TabRebuild, ARebuildThatFailsHalfwayIsHeardOfWithTheTabsBuiltSoFar) {
    h.host.failOn("Views.Item", 10);
    h.control->txtPageNo.setText("2");
    EXPECT_EQ(h.reportedProcedures(), (std::vector<std::string>{"DisplayTabs"}));
    EXPECT_EQ(h.control->TabStrip.tabCount(), 10);
    EXPECT_EQ(heardOf("tabs"), 1);
    EXPECT_LT(firstOf("tabs"), firstOf("pointer"));
}

} // namespace
} // namespace kv380::test
