#include "QtTestApp.h"
#include "StockpilePanel.h"
#include "platform/AutomationError.h"
#include "qt/FormView.h"
#include "qt/Pictures.h"

#include <QListView>
#include <QTabBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

// Bulk changes to the tab strip and to the list elements, as a page of view tabs is rebuilt, seen through
// the widgets that show them.
class BatchRenderingTest : public ::testing::Test {
protected:
    void SetUp() override {
        view = new FormView(panel.control, &host);
        host.resize(480, 600);
        host.show();
        bar = view->widgetFor(strip)->findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
        strip.Click = [this] { ++clicks; };
    }

    std::vector<std::string> barCaptions() const {
        std::vector<std::string> captions;
        for (int i = 0; i < bar->count(); ++i) {
            captions.push_back(bar->tabText(i).toStdString());
        }
        return captions;
    }
    std::vector<std::string> stripCaptions() const {
        std::vector<std::string> captions;
        for (int i = 1; i <= strip.tabCount(); ++i) {
            captions.push_back(strip.tab(i).caption);
        }
        return captions;
    }
    // Rebuilds the strip as a page of views: the Options tab and `views` view tabs named from `first` on.
    void rebuild(int first, int views) {
        strip.clearTabs();
        strip.addTab("      Options");
        for (int i = 0; i < views; ++i) {
            strip.addTab("View " + std::to_string(first + i));
        }
    }
    // The list views that exist in the list frame's widget.
    int listWidgets() const {
        return static_cast<int>(view->widgetFor(panel.design.fraRWLView)->findChildren<QListView*>().size());
    }

    StockpilePanel panel;
    ui::TabStrip& strip = panel.design.TabStrip;
    QWidget host;
    FormView* view{nullptr};
    QTabBar* bar{nullptr};
    int clicks{0};
};

TEST_F(BatchRenderingTest, ABatchedRebuildEndsWithTheStripsTabsAndSelectionAndRaisesNoClick) {
    {
        const ui::UpdateBatch batch(strip);
        rebuild(1, 254);
    }
    strip.selectTab(3);
    clicks = 0;

    {
        const ui::UpdateBatch batch(strip);
        rebuild(255, 254); // the next page: every caption changes, the selection falls back silently
        EXPECT_EQ(bar->tabText(1), "View 1"); // nothing shown changes before the batch ends
    }
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_EQ(bar->currentIndex(), strip.selectedTab() - 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(bar->isVisible());

    // A shorter page: the tabs beyond it go.
    {
        const ui::UpdateBatch batch(strip);
        rebuild(509, 92);
    }
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_EQ(bar->count(), 93);
    EXPECT_EQ(clicks, 0);
}

TEST_F(BatchRenderingTest, NestedBatchesReachTheBarOnlyWhenTheOutermostEnds) {
    rebuild(1, 3);
    strip.beginUpdate();
    strip.beginUpdate();
    rebuild(10, 5);
    strip.endUpdate();
    EXPECT_EQ(bar->count(), 4);
    EXPECT_EQ(bar->tabText(1), "View 1");
    strip.selectTab(4);
    EXPECT_EQ(clicks, 1); // a selection inside a batch still raises Click at once, as the model's rule says
    strip.endUpdate();
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_EQ(bar->currentIndex(), 3);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BatchRenderingTest, ABatchEndedByAFailureStillShowsWhatTheStripHolds) {
    rebuild(1, 3);
    try {
        const ui::UpdateBatch batch(strip);
        rebuild(20, 2);
        strip.addTab("Duplicate", "k");
        strip.addTab("Duplicate", "k"); // 35602: the rebuild stops here
        FAIL() << "the second tab with the same key was accepted";
    } catch (const AutomationError&) {
    }
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_EQ(bar->count(), 4);
}

TEST_F(BatchRenderingTest, OneCaptionChangedLeavesTheOtherTabsAndTheFocusAlone) {
    {
        const ui::UpdateBatch batch(strip);
        rebuild(1, 254);
    }
    host.activateWindow();
    bar->setFocus();
    if (!processUntil([&] { return bar->hasFocus(); })) {
        GTEST_SKIP() << "this platform gives no window the focus";
    }
    strip.setTabCaption(5, "Renamed");
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_TRUE(bar->hasFocus());
    // A whole rebuild keeps the focus where it was too.
    {
        const ui::UpdateBatch batch(strip);
        rebuild(255, 254);
    }
    EXPECT_EQ(barCaptions(), stripCaptions());
    EXPECT_TRUE(bar->hasFocus());
}

TEST_F(BatchRenderingTest, AHiddenListElementGetsItsListViewWhenFirstShownWithWhatItHeldMeanwhile) {
    ASSERT_EQ(listWidgets(), 1); // the design element
    for (int index = 2; index <= 60; ++index) {
        panel.design.rwlvStockpile.Load(index);
    }
    EXPECT_EQ(listWidgets(), 1);

    ui::RWListView& shown = panel.design.rwlvStockpile[7];
    shown.Move(100, 100, 3000, 2000);
    shown.addItem("k1", "P-101");
    shown.addItem("k2", "P-102");
    shown.setItemSelected(2, true);
    shown.setView(ui::RWListView::SmallIcons);
    shown.setVisible(true);
    EXPECT_EQ(listWidgets(), 2);

    auto* list = qobject_cast<QListView*>(view->widgetFor(shown));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), "P-102");
    EXPECT_EQ(list->selectionModel()->selectedIndexes().size(), 1);
    EXPECT_EQ(list->viewMode(), QListView::ListMode);

    // Asking for a hidden element's widget makes it; it stays hidden.
    auto* hidden = qobject_cast<QListView*>(view->widgetFor(panel.design.rwlvStockpile[8]));
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->isHidden());
    EXPECT_EQ(listWidgets(), 3);
}

TEST_F(BatchRenderingTest, ElementsUnloadedAndLoadedAgainInAnyOrderEachShowTheirOwnItems) {
    for (int index = 2; index <= 10; ++index) {
        panel.design.rwlvStockpile.Load(index);
    }
    panel.design.rwlvStockpile.Unload(5);
    panel.design.rwlvStockpile.Unload(2);
    panel.design.rwlvStockpile.Load(11);
    // The same index again, very likely where the unloaded element lay in memory.
    panel.design.rwlvStockpile.Load(5);
    for (int index : panel.design.rwlvStockpile.indexes()) {
        ui::RWListView& list = panel.design.rwlvStockpile[index];
        list.addItem("k", "Element " + std::to_string(index));
        list.setVisible(true);
        auto* widget = qobject_cast<QListView*>(view->widgetFor(list));
        ASSERT_NE(widget, nullptr) << index;
        EXPECT_EQ(widget->model()->rowCount(), 1) << index;
        EXPECT_EQ(widget->model()->index(0, 0).data().toString().toStdString(),
                  "Element " + std::to_string(index));
        list.setVisible(false);
    }
    flushDeferredDeletes();
    EXPECT_EQ(listWidgets(), static_cast<int>(panel.design.rwlvStockpile.indexes().size()));
}

TEST(PictureIcons, TheFileIconIsMadeOncePerStyle) {
    QWidget widget;
    const QIcon first = fileIcon(&widget);
    EXPECT_FALSE(first.isNull());
    EXPECT_EQ(fileIcon(&widget).cacheKey(), first.cacheKey());
}

} // namespace
} // namespace kv380::qt::test
