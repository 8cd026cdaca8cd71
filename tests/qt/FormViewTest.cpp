#include "qt/FormView.h"
#include "QtTestApp.h"
#include "StockpilePanel.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/Twips.h"
#include "platform/ui/UserControl.h"
#include "qt/TwipsScale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

class FormViewTest : public ::testing::Test {
protected:
    // The view sits in a host widget, as in a dock.
    void SetUp() override {
        view = new FormView(panel.control, &host);
        host.resize(800, 600);
        host.show();
    }

    template <class W = QWidget> W* widget(const ui::Control& control) {
        return qobject_cast<W*>(view->widgetFor(control));
    }
    // The rectangle the runtime's own conversion gives for a control.
    QRect expectedRect(const ui::Control& control) const {
        const TwipsScale& s = view->scale();
        const ui::PixelRect r =
            ui::toPixels(control.Left(), control.Top(), control.Width(), control.Height(), s.x, s.y);
        return {r.left, r.top, r.width, r.height};
    }

    StockpilePanel panel;
    QWidget host;
    FormView* view{nullptr};
};

TEST_F(FormViewTest, EveryVisibleControlHasAWidgetInItsContainersWidgetAtItsTwipsPosition) {
    for (const ui::Control* control : std::vector<const ui::Control*>{
             &panel.design.fraOrganise, &panel.design.cmbOrganiseBy, &panel.design.fraRefresh,
             &panel.design.txtRefreshRate, &panel.design.UpDown1, &panel.design.chkAutoRefresh,
             &panel.design.rwlvStockpile[1], &panel.design.TabStrip, &panel.design.cmdRefresh}) {
        QWidget* w = widget(*control);
        ASSERT_NE(w, nullptr) << control->Name();
        EXPECT_EQ(w->geometry(), expectedRect(*control)) << control->Name();
        const QWidget* container =
            control->Container() == &panel.control ? view : widget(*control->Container());
        EXPECT_EQ(w->parentWidget(), container) << control->Name();
    }
    EXPECT_NE(widget<QListView>(panel.design.rwlvStockpile[1]), nullptr);
    EXPECT_EQ(widget<QLabel>(panel.design.Label4)->text(), "Organise By");
    EXPECT_FALSE(widget<QPushButton>(panel.design.cmdRefresh)->icon().isNull());
    // The tab strip is drawn beneath the frames that sit on it, although it was created after them.
    const QObjectList& stacking = view->children();
    EXPECT_LT(stacking.indexOf(widget(panel.design.TabStrip)),
              stacking.indexOf(widget(panel.design.fraOrganise)));
}

TEST_F(FormViewTest, FramesThatTouchInTwipsTouchOnScreenWhateverTheRounding) {
    // 100 and 1100 twips are not whole pixels at any usual DPI: converting left and width separately would
    // leave a gap or an overlap.
    panel.design.fraFilter.Move(100, 480, 1000, 320);
    panel.design.fraRefresh.Move(1100, 480, 1000, 320);
    const QRect left = widget(panel.design.fraFilter)->geometry();
    const QRect right = widget(panel.design.fraRefresh)->geometry();
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(left, expectedRect(panel.design.fraFilter));
}

TEST_F(FormViewTest, ModelChangesAppearInTheWidgets) {
    panel.design.txtFilterBy.setText("P-1*");
    panel.design.cmbOrganiseBy.setListIndex(1);
    panel.design.chkAutoRefresh.setValue(ui::CheckBox::Grayed);
    panel.design.fraFilter.setVisible(false);
    panel.design.TabStrip.addTab("All Objects", "v1");
    panel.design.TabStrip.selectTab(2);
    panel.design.cmbOrganiseBy.AddItem("By Area", 0);

    EXPECT_EQ(widget<QLineEdit>(panel.design.txtFilterBy)->text(), "P-1*");
    auto* combo = widget<QComboBox>(panel.design.cmbOrganiseBy);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(combo->currentText(), "By System");
    EXPECT_EQ(widget<QCheckBox>(panel.design.chkAutoRefresh)->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(widget(panel.design.fraFilter)->isHidden());
    auto* tabs = widget(panel.design.TabStrip)->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(1), "All Objects");
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(FormViewTest, UserInputReachesTheModelThroughItsOwnCalls) {
    std::vector<std::string> changes;
    panel.design.txtRefreshRate.Change = [&] { changes.push_back(panel.design.txtRefreshRate.Text()); };
    int comboClicks = 0;
    panel.design.cmbOrganiseBy.Click = [&] { ++comboClicks; };
    int tabClicks = 0;
    panel.design.TabStrip.addTab("All Objects", "v1");
    panel.design.TabStrip.Click = [&] { ++tabClicks; };
    int refreshes = 0;
    panel.design.cmdRefresh.Click = [&] { ++refreshes; };

    // A spinner's range is 0..60, yet what is typed reaches the text box unclamped, edit by edit.
    type(*widget(panel.design.txtRefreshRate), "70");
    EXPECT_EQ(panel.design.txtRefreshRate.Text(), "70");
    EXPECT_EQ(changes, (std::vector<std::string>{"7", "70"}));

    pressKey(*widget(panel.design.cmbOrganiseBy), Qt::Key_Down);
    EXPECT_EQ(panel.design.cmbOrganiseBy.ListIndex(), 0);
    EXPECT_EQ(comboClicks, 1);

    widget<QCheckBox>(panel.design.chkAutoRefresh)->click();
    EXPECT_EQ(panel.design.chkAutoRefresh.Value(), ui::CheckBox::Checked);

    auto* tabs = widget(panel.design.TabStrip)->findChild<QTabBar*>();
    click(*tabs, tabs->tabRect(1).center());
    EXPECT_EQ(panel.design.TabStrip.selectedTab(), 2);
    click(*tabs, tabs->tabRect(1).center()); // the tab already selected: Click again
    EXPECT_EQ(tabClicks, 2);

    widget<QPushButton>(panel.design.cmdRefresh)->click();
    EXPECT_EQ(refreshes, 1);
}

TEST_F(FormViewTest, TheSpinnerArrowsStepTheBuddyThroughTheModel) {
    panel.design.txtRefreshRate.setText("5");
    QWidget* arrows = widget(panel.design.UpDown1);
    click(*arrows, QPoint(arrows->width() / 2, 1));
    EXPECT_EQ(panel.design.txtRefreshRate.Text(), "6");
    EXPECT_EQ(widget<QLineEdit>(panel.design.txtRefreshRate)->text(), "6");
    click(*arrows, QPoint(arrows->width() / 2, arrows->height() - 2));
    EXPECT_EQ(panel.design.txtRefreshRate.Text(), "5");
}

TEST_F(FormViewTest, AWidgetShowsWhatTheModelKeepsWhenAHandlerRefusesTheInput) {
    // The handler puts the box back: the widget follows the model, not the click.
    panel.design.chkAutoRefresh.Click = [&] {
        if (panel.design.chkAutoRefresh.Value() != ui::CheckBox::Unchecked) {
            panel.design.chkAutoRefresh.setValue(ui::CheckBox::Unchecked);
        }
    };
    widget<QCheckBox>(panel.design.chkAutoRefresh)->click();
    EXPECT_EQ(widget<QCheckBox>(panel.design.chkAutoRefresh)->checkState(), Qt::Unchecked);

    panel.design.txtRefreshRate.Change = [&] {
        if (panel.design.txtRefreshRate.Text() == "x") {
            panel.design.txtRefreshRate.setText("0");
        }
    };
    type(*widget(panel.design.txtRefreshRate), "x");
    EXPECT_EQ(widget<QLineEdit>(panel.design.txtRefreshRate)->text(), "0");
}

TEST_F(FormViewTest, LoadingAnArrayElementCreatesItsWidgetAndUnloadingRemovesIt) {
    ui::RWListView& second = panel.design.rwlvStockpile.Load(2);
    auto* list = widget<QListView>(second);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parentWidget(), widget(panel.design.fraRWLView));
    EXPECT_TRUE(list->isHidden()); // loaded elements start hidden
    second.setVisible(true);
    second.Move(0, 0, 1500, 1500);
    EXPECT_FALSE(list->isHidden());
    EXPECT_EQ(list->geometry(), expectedRect(second));

    QPointer<QListView> gone(list);
    panel.design.rwlvStockpile.Unload(2);
    EXPECT_TRUE(list->isHidden());
    flushDeferredDeletes();
    EXPECT_TRUE(gone.isNull());
    // The same index loads again into a fresh widget.
    ui::RWListView& again = panel.design.rwlvStockpile.Load(2);
    EXPECT_NE(widget<QListView>(again), nullptr);
}

TEST_F(FormViewTest, TheStockpilesTabsRunAlongTheBottomAndTheClientAreaAboveThemFollowsTheStrip) {
    QWidget* strip = widget(panel.design.TabStrip);
    auto* tabs = strip->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    const TwipsScale& s = view->scale();
    EXPECT_EQ(tabs->shape(), QTabBar::RoundedSouth);
    EXPECT_GT(tabs->height(), 0);
    EXPECT_EQ(tabs->geometry().bottom(), strip->height() - 1);
    EXPECT_FLOAT_EQ(panel.design.TabStrip.ClientTop(), s.toTwipsY(strip->y()));
    EXPECT_FLOAT_EQ(panel.design.TabStrip.ClientTop() + panel.design.TabStrip.ClientHeight(),
                    s.toTwipsY(strip->y() + tabs->y()));

    panel.design.TabStrip.setTop(600);
    panel.design.TabStrip.setHeight(3000);
    EXPECT_FLOAT_EQ(panel.design.TabStrip.ClientTop(), s.toTwipsY(strip->y()));
    EXPECT_FLOAT_EQ(panel.design.TabStrip.ClientTop() + panel.design.TabStrip.ClientHeight(),
                    s.toTwipsY(strip->y() + tabs->y()));
    EXPECT_EQ(tabs->geometry().bottom(), strip->height() - 1);
}

TEST(TabStripPlacement, TabsAlongTheTopPutTheClientAreaBelowThemAndAMoveAlongTheBottomFollows) {
    ui::UserControl control{"ctlPlain"};
    ui::TabStrip& strip = control.add<ui::TabStrip>("TabStrip1");
    strip.Move(0, 300, 6000, 3000);
    strip.addTab("First");
    QWidget host;
    auto* view = new FormView(control, &host);
    host.resize(500, 400);
    host.show();
    QWidget* box = view->widgetFor(strip);
    auto* tabs = box->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    const TwipsScale& s = view->scale();
    EXPECT_EQ(tabs->shape(), QTabBar::RoundedNorth);
    EXPECT_EQ(tabs->y(), 0);
    EXPECT_FLOAT_EQ(strip.ClientTop(), s.toTwipsY(box->y() + tabs->height()));
    EXPECT_FLOAT_EQ(strip.ClientTop() + strip.ClientHeight(), s.toTwipsY(box->y() + box->height()));

    strip.setTabPlacement(ui::TabStrip::Placement::Bottom);
    EXPECT_EQ(tabs->shape(), QTabBar::RoundedSouth);
    EXPECT_EQ(tabs->geometry().bottom(), box->height() - 1);
    EXPECT_FLOAT_EQ(strip.ClientTop(), s.toTwipsY(box->y()));
    EXPECT_FLOAT_EQ(strip.ClientTop() + strip.ClientHeight(), s.toTwipsY(box->y() + tabs->y()));
}

TEST_F(FormViewTest, AUserResizeWritesTheNewSizeBackAndRaisesOneResize) {
    int resizes = 0;
    panel.control.Resize = [&] { ++resizes; };
    view->resize(400, 300);
    const TwipsScale& s = view->scale();
    EXPECT_FLOAT_EQ(panel.control.Width(), s.toTwipsX(400));
    EXPECT_FLOAT_EQ(panel.control.ScaleHeight(), s.toTwipsY(300));
    EXPECT_EQ(resizes, 1);
    // The model's own size change is mirrored without being written back again.
    panel.control.setWidth(s.toTwipsX(500));
    EXPECT_EQ(view->width(), 500);
    EXPECT_EQ(resizes, 2);
}

TEST_F(FormViewTest, EnterAnywhereInTheControlGoesToTheDefaultButton) {
    int caught = 0;
    panel.design.cmdCatchEnterKey.Click = [&] { ++caught; };
    pressKey(*widget(panel.design.txtFilterBy), Qt::Key_Return);
    EXPECT_EQ(caught, 1);
    // Without a default button the key is left to the host.
    panel.design.cmdCatchEnterKey.setDefault(false);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(widget(panel.design.txtFilterBy), &enter);
    EXPECT_EQ(caught, 1);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(FormViewTest, ADetachedViewNoLongerObservesTheModel) {
    view->detach();
    EXPECT_FALSE(static_cast<bool>(panel.design.txtFilterBy.modelChanged));
    panel.design.txtFilterBy.setText("later");
    EXPECT_EQ(view->widgetFor(panel.design.txtFilterBy), nullptr);
    // A second view can take over.
    FormView second(panel.control);
    EXPECT_EQ(qobject_cast<QLineEdit*>(second.widgetFor(panel.design.txtFilterBy))->text(), "later");
}

} // namespace
} // namespace kv380::qt::test
