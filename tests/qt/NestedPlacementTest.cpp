#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"

#include <gtest/gtest.h>

namespace kv380::qt::test {
namespace {

// Frames at positions that fall between pixels, each holding a control that fills it.
class NestedPlacementTest : public ::testing::Test {
protected:
    void SetUp() override {
        control.Move(0, 0, 6000, 6000);
        outer.Move(100, 107, 4000, 3013);
        inner.Move(7, 113, 2999, 2000);
        list.Move(0, 0, 2999, 2000);
        view = new FormView(control, &host);
        host.resize(500, 500);
    }
    QWidget* widgetOf(const ui::Control& c) const { return view->widgetFor(c); }

    ui::UserControl control{"ctlSymbolLibrary"};
    ui::Frame& outer = control.add<ui::Frame>("FrameA");
    ui::Frame& inner = control.add<ui::Frame>("Frame2", &outer);
    ui::RWListView& list = control.add<ui::RWListView>("RWListView2", &inner);
    QWidget host;
    FormView* view{nullptr};
};

TEST_F(NestedPlacementTest, AControlThatFillsItsFrameFillsItOnScreenWhereverTheFrameIs) {
    EXPECT_EQ(widgetOf(list)->geometry(), QRect(QPoint(0, 0), widgetOf(inner)->size()));
    for (float top : {108.0F, 111.0F, 115.0F, 1000.5F}) {
        outer.setTop(top);
        EXPECT_EQ(widgetOf(list)->geometry(), QRect(QPoint(0, 0), widgetOf(inner)->size())) << top;
    }
    inner.Move(15, 8, 3001, 1993);
    list.Move(0, 0, 3001, 1993);
    EXPECT_EQ(widgetOf(list)->geometry(), QRect(QPoint(0, 0), widgetOf(inner)->size()));
}

TEST_F(NestedPlacementTest, NeighboursInDifferentFramesMeetWithoutAGapOrAnOverlap) {
    // A control in the outer frame starting where the inner frame ends.
    ui::RWListView& beside = control.add<ui::RWListView>("RWListView1", &outer);
    beside.Move(7 + 2999, 113, 500, 2000);
    const QRect left(widgetOf(list)->mapTo(view, QPoint(0, 0)), widgetOf(list)->size());
    const QRect right(widgetOf(beside)->mapTo(view, QPoint(0, 0)), widgetOf(beside)->size());
    EXPECT_EQ(left.right() + 1, right.left());
}

} // namespace
} // namespace kv380::qt::test
