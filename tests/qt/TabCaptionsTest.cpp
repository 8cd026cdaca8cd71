// The stock pile's tab captions stay readable: the tabs run along the bottom of the strip, and neither the
// option frames (Options tab) nor the list frame (a view tab) covers them, at the sizes a dock gives it.
#include "QtTestApp.h"
#include "qt/FormView.h"
#include "support/StockpileHarness.h"

#include <QTabBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

using kv380::test::FakeHost;
using kv380::test::StockpileHarness;

struct PanelSize {
    int width;
    int height;
};

class TabCaptions : public ::testing::TestWithParam<PanelSize> {
protected:
    void SetUp() override {
        h.attachAndOpen();
        view = new FormView(*h.control, &window);
        window.resize(GetParam().width, GetParam().height);
        view->resize(GetParam().width, GetParam().height);
        window.show();
        ASSERT_EQ(view->devicePixelRatioF(), 1.0);
        bar = view->widgetFor(h.control->TabStrip)->findChild<QTabBar*>();
        ASSERT_NE(bar, nullptr);
    }

    // Where a widget lies in the panel's own coordinates.
    QRect inPanel(const QWidget& widget) const { return {widget.mapTo(view, QPoint(0, 0)), widget.size()}; }
    std::vector<const ui::Control*> frames() const {
        const ctlStockpile& c = *h.control;
        return {&c.fraOrganise, &c.fraFilter, &c.fraRefresh, &c.fraPage, &c.fraRWLView};
    }

    // No frame covers the row of tabs, on screen and in the twips the renderer wrote back to the strip.
    void expectCaptionsUncovered(const std::string& tab) {
        const QRect tabs = inPanel(*bar);
        ASSERT_FALSE(tabs.isEmpty());
        EXPECT_EQ(tabs.bottom(), view->height() - 1) << tab; // along the bottom edge
        const ui::TabStrip& strip = h.control->TabStrip;
        for (const ui::Control* frame : frames()) {
            const QRect rect = inPanel(*view->widgetFor(*frame));
            EXPECT_FALSE(rect.intersects(tabs)) << tab << ": " << frame->Name() << " covers the tab captions";
            EXPECT_LE(frame->Top() + frame->Height(), strip.ClientTop() + strip.ClientHeight())
                << tab << ": " << frame->Name() << " reaches below the client area";
        }
        // The refresh button sits on the row of tabs, over the blanks that start the first caption.
        const QRect refresh = inPanel(*view->widgetFor(h.control->cmdRefresh));
        EXPECT_TRUE(tabs.contains(refresh.center())) << tab;
        EXPECT_TRUE(bar->tabRect(0).translated(tabs.topLeft()).contains(refresh.center())) << tab;
    }

    StockpileHarness h{FakeHost::Builder()
                           .organisation("Process")
                           .view("All Objects", "PFD")
                           .object({.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
                           .symbolFile("Pumps\\Centrifugal.sym")
                           .view("Lines", "PFD")};
    QWidget window;
    FormView* view{nullptr};
    QTabBar* bar{nullptr};
};

TEST_P(TabCaptions, NoOptionFrameAndNoListFrameCoversTheTabCaptions) {
    ASSERT_EQ(h.control->TabStrip.selectedTab(), 1);
    expectCaptionsUncovered("Options");

    h.selectTab(2);
    ASSERT_TRUE(processUntil([&] { return view->widgetFor(h.control->fraRWLView)->isVisible(); }));
    expectCaptionsUncovered("All Objects");
}

// The demo's dock, a short and a tall one, and one narrow enough for the frames to stand in a column.
INSTANTIATE_TEST_SUITE_P(DockSizes, TabCaptions,
                         ::testing::Values(PanelSize{950, 330}, PanelSize{600, 240}, PanelSize{1400, 500},
                                           PanelSize{420, 400}),
                         [](const ::testing::TestParamInfo<PanelSize>& size) {
                             return std::to_string(size.param.width) + "x" +
                                    std::to_string(size.param.height);
                         });

} // namespace
} // namespace kv380::qt::test
