// The panel on screen beyond its stated behaviour: the list's match count and empty-list message, the
// error tint of refused entries, the keyboard, the accessible names, and resizes on a dense screen.
#include "QtTestApp.h"
#include "platform/ui/TabStrip.h"
#include "qt/FieldMarks.h"
#include "qt/FormView.h"
#include "qt/ListStatus.h"
#include "qt/Pictures.h"
#include "qt/QtDesktop.h"
#include "support/StockpileHarness.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace kv380::qt::test {
namespace {

using kv380::test::FakeHost;
using kv380::test::StockpileHarness;

class PanelOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        h.attachAndOpen();
        ui::setCurrentDesktop(desktop);
        view = new FormView(*h.control, &window);
        window.resize(900, 500);
        view->resize(900, 500);
        window.show();
        ASSERT_TRUE(processUntil([&] { return view->isVisible(); }));
    }

    QLineEdit& edit(ui::Control& box) { return *qobject_cast<QLineEdit*>(view->widgetFor(box)); }
    QListView& list(int index) { return *qobject_cast<QListView*>(view->widgetFor(h.list(index))); }
    void selectTab(int index) {
        h.control->TabStrip.selectTab(index);
        h.host.completeLoads();
        QCoreApplication::processEvents();
    }
    // A key pressed where the focus is, as the keyboard sends it.
    void key(QWidget& focused, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        focused.setFocus();
        QKeyEvent down(QEvent::KeyPress, qtKey, modifiers);
        QCoreApplication::sendEvent(&focused, &down);
        h.host.completeLoads();
        QCoreApplication::processEvents();
    }
    static QString statusOf(QListView& list) { return ListStatus::of(list).statusText(); }

    StockpileHarness h{FakeHost::Builder()
                           .organisation("Process")
                           .view("All Objects", "PFD")
                           .object({.id = "1", .key = "P-101", .symbol = "A.sym"})
                           .object({.id = "2", .key = "P-102", .symbol = "A.sym"})
                           .object({.id = "3", .key = "D-201", .symbol = "A.sym"})
                           .view("Lines", "PFD")
                           .object({.id = "4", .key = "L-1", .symbol = "A.sym"})
                           .symbolFile("A.sym")};
    std::shared_ptr<QtDesktop> desktop = std::make_shared<QtDesktop>();
    QWidget window;
    FormView* view{nullptr};
};

TEST_F(PanelOnScreen, TheListShowsTheCountAfterAPatternAndSaysWhenNothingMatches) {
    type(edit(h.control->txtFilterBy), "P-1");
    selectTab(2);
    EXPECT_EQ(statusOf(list(1)), "2 of 3");
    EXPECT_EQ(ListStatus::of(list(1)).emptyText(), "");
    // The status line has a band of its own below the items, inside the list: it covers none of them.
    const auto* status = list(1).findChild<QLabel*>("listStatus");
    ASSERT_NE(status, nullptr);
    const QRect items(list(1).viewport()->mapTo(&list(1), QPoint(0, 0)), list(1).viewport()->size());
    EXPECT_FALSE(status->geometry().intersects(items));
    EXPECT_TRUE(list(1).rect().contains(status->geometry()));

    selectTab(1);
    type(edit(h.control->txtFilterBy), "9");
    selectTab(2);
    EXPECT_EQ(list(1).model()->rowCount(), 0);
    EXPECT_EQ(statusOf(list(1)), "0 of 3");
    EXPECT_EQ(ListStatus::of(list(1)).emptyText(), "No object matches P-19");
    // The tab captions stay as they are.
    EXPECT_EQ(h.tabCaptions().at(1), "All Objects");
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST_F(PanelOnScreen, AnUnclosedBracketTintsTheFilterUntilTheTextIsValidAgain) {
    QLineEdit& filter = edit(h.control->txtFilterBy);
    type(filter, "P-1[");
    EXPECT_EQ(filter.palette().color(QPalette::Base), errorTint());
    EXPECT_TRUE(filter.toolTip().contains("never closed")) << filter.toolTip().toStdString();
    pressKey(filter, Qt::Key_Backspace);
    EXPECT_EQ(filter.text(), "P-1");
    EXPECT_NE(filter.palette().color(QPalette::Base), errorTint());
    EXPECT_EQ(filter.toolTip(), "");
}

TEST_F(PanelOnScreen, ARefusedRateTintsItsBox) {
    QLineEdit& rate = edit(h.control->txtRefreshRate);
    rate.selectAll();
    type(rate, "70");
    EXPECT_EQ(rate.palette().color(QPalette::Base), errorTint());
    EXPECT_TRUE(rate.toolTip().startsWith("Out of range")) << rate.toolTip().toStdString();
    pressKey(rate, Qt::Key_Backspace);
    EXPECT_NE(rate.palette().color(QPalette::Base), errorTint());
    EXPECT_EQ(h.control->refreshRate(), 7);
}

TEST_F(PanelOnScreen, CtrlFFocusesTheFilterAndEnterListsTheViewThroughIt) {
    selectTab(3);
    key(list(2), Qt::Key_F, Qt::ControlModifier);
    QLineEdit& filter = edit(h.control->txtFilterBy);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 1);
    EXPECT_EQ(window.focusWidget(), &filter);
    type(filter, "L");
    key(filter, Qt::Key_Return);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
    EXPECT_EQ(list(2).model()->rowCount(), 1);
    EXPECT_EQ(window.focusWidget(), &list(2));
}

TEST_F(PanelOnScreen, ArrowsMoveInTheListAndEnterPlacesTheObjectThroughTheHostHook) {
    std::vector<std::shared_ptr<IKVPresentedObject>> placed;
    h.control->setPlaceObjectHook(
        [&](const std::shared_ptr<IKVPresentedObject>& object) { placed.push_back(object); });
    selectTab(2);
    QListView& objects = list(1);
    objects.setCurrentIndex(objects.model()->index(0, 0));
    // Large icons flow from left to right: the next object is to the right.
    key(objects, Qt::Key_Right);
    const int row = objects.currentIndex().row();
    ASSERT_EQ(row, 1);
    ASSERT_EQ(h.list(1).selectedCount(), 1);
    EXPECT_TRUE(h.list(1).item(row + 1).selected);
    key(objects, Qt::Key_Return);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_EQ(placed.front(), h.host.object("2"));
}

TEST_F(PanelOnScreen, ShiftF10AndTheMenuKeyOpenTheSelectionsMenu) {
    selectTab(2);
    QListView& objects = list(1);
    objects.setCurrentIndex(objects.model()->index(0, 0));
    ASSERT_EQ(h.list(1).selectedCount(), 1);
    std::vector<QString> shown;
    const auto closeWhenShown = [&] {
        whenShown([&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (popup == nullptr) {
                return false;
            }
            for (QAction* action : popup->actions()) {
                if (!action->isSeparator()) {
                    shown.push_back(action->text());
                }
            }
            popup->close();
            return true;
        });
    };
    closeWhenShown();
    key(objects, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_NE(std::find(shown.begin(), shown.end(), QString("Symbol Map...")), shown.end());
    shown.clear();
    closeWhenShown();
    key(objects, Qt::Key_Menu);
    EXPECT_FALSE(shown.empty());
}

TEST_F(PanelOnScreen, CtrlPageDownAndUpSwitchViewTabs) {
    selectTab(2);
    key(list(1), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 3);
    EXPECT_EQ(list(2).model()->rowCount(), 1);
    key(list(2), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(h.control->TabStrip.selectedTab(), 2);
    EXPECT_EQ(h.reporter->count(), 0u);
}

TEST_F(PanelOnScreen, EveryControlOnScreenHasAnAccessibleNameAndDescription) {
    selectTab(3); // a list element loaded at run time as well
    int checked = 0;
    for (ui::Control& control : h.control->Controls()) {
        QWidget* widget = view->widgetFor(control);
        if (widget == nullptr) {
            continue; // timers
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << control.Name();
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << control.Name();
        EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty()) << control.Name();
        ++checked;
    }
    EXPECT_GE(checked, 22);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), "Stockpile");
    QAccessibleInterface* filter = QAccessible::queryAccessibleInterface(&edit(h.control->txtFilterBy));
    EXPECT_EQ(filter->text(QAccessible::Name), "Filter by");
}

TEST_F(PanelOnScreen, SymbolPreviewsAreDrawnForTheScreensPixels) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("Pump.sym");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
               "<circle cx='5' cy='5' r='4' fill='black'/></svg>");
    file.close();
    const QIcon icon = pictureIcon(path.toStdString(), nullptr);
    ASSERT_FALSE(icon.isNull());
    // The drawing itself has as many pixels as the screen shows: not a 64-pixel picture blown up.
    const qreal ratio = window.devicePixelRatio();
    const int pixels = static_cast<int>(std::ceil(64 * ratio));
    ASSERT_FALSE(icon.availableSizes().isEmpty());
    EXPECT_EQ(icon.availableSizes().front(), QSize(pixels, pixels));
    const QPixmap preview = icon.pixmap(QSize(64, 64), ratio);
    EXPECT_EQ(preview.width(), pixels);
}

// Run once as it stands and once at 2.5 times the scale (QT_SCALE_FACTOR, see tests/CMakeLists.txt).
TEST_F(PanelOnScreen, HighDpiResizesDownToTheMinimumReportNothing) {
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2.5") {
        EXPECT_DOUBLE_EQ(window.devicePixelRatio(), 2.5);
    }
    selectTab(2);
    for (const QSize size : {QSize(900, 500), QSize(400, 200), QSize(240, 100), QSize(1600, 900)}) {
        view->resize(size);
        QCoreApplication::processEvents();
    }
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{100, 50}, std::pair{800, 400}}) {
        int32_t x = width;
        int32_t y = height;
        h.control->ResizeLayout(x, y);
        EXPECT_GE(x, 240);
        EXPECT_GE(y, 100);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(h.reporter->count(), 0u) << h.reporter->procedures().front();
}

} // namespace
} // namespace kv380::qt::test
