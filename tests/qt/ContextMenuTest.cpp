// The stock pile's context menu on screen: a right-click on a listed object opens a real menu at the
// pointer, and the item the user picks runs its command against the host.
#include "QtTestApp.h"
#include "qt/FormView.h"
#include "qt/QtDesktop.h"
#include "support/StockpileHarness.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

namespace kv380::qt::test {
namespace {

using kv380::test::FakeHost;
using kv380::test::StockpileHarness;

// The stock pile drawn by the Qt renderer in a window, showing the "All Objects" view, with the Qt desktop
// in place for its menus and message boxes.
class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.attachAndOpen();
        h.selectTab(2);
        h.host.symbolLibrary()->answerConversionTargets("PFD", "PPID");
        ui::setCurrentDesktop(desktop);
        view = new FormView(*h.control, &window);
        window.resize(900, 500);
        view->resize(900, 500);
        window.show();
        list = qobject_cast<QListView*>(view->widgetFor(h.list(1)));
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(processUntil([&] { return list->isVisible(); }));
    }

    QPoint centreOfRow(int row) {
        list->doItemsLayout();
        const QModelIndex index = list->model()->index(row, 0);
        processUntil([&] { return list->visualRect(index).isValid(); });
        return list->visualRect(index).center();
    }

    // When the next pop-up menu shows: records its items and picks the one with that caption.
    void pickWhenShown(const QString& caption) {
        whenShown([this, caption] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (popup == nullptr) {
                return false;
            }
            for (QAction* action : popup->actions()) {
                shownItems.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
                enabled.push_back(action->isEnabled());
                if (action->text() == caption) {
                    popup->setActiveAction(action);
                }
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(popup, &enter);
            return true;
        });
    }

    StockpileHarness h{FakeHost::Builder()
                           .organisation("Process")
                           .view("All Objects", "PFD")
                           .object({.id = "1", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
                           .object({.id = "2", .key = "D-201", .symbol = "Vessels\\Drum.sym"})
                           .symbolFile("Pumps\\Centrifugal.sym")
                           .symbolFile("Vessels\\Drum.sym")
                           .activeDocument("10", "PPID")};
    std::shared_ptr<QtDesktop> desktop = std::make_shared<QtDesktop>();
    QWidget window;
    FormView* view{nullptr};
    QListView* list{nullptr};
    QStringList shownItems;
    std::vector<bool> enabled;
};

TEST_F(ContextMenuTest, PickingFindOnDrawingsFromTheRealMenuRunsTheFindCommand) {
    const QPoint at = centreOfRow(1);
    click(*list->viewport(), at); // selects D-201
    ASSERT_EQ(h.list(1).selectedCount(), 1);
    EXPECT_EQ(list->viewport()->toolTip(), "No mapped symbol exists.");

    pickWhenShown("Find on Drawings...");
    click(*list->viewport(), at, Qt::RightButton);

    EXPECT_EQ(shownItems, (QStringList{"Symbol Map...", "Find on Drawings...", "Datasheets...", "-",
                                       "&Delete from WorkSpace"}));
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, true, true, true}));
    const auto& application = h.host.application()->data();
    EXPECT_EQ(application.statusBarTexts, std::vector<std::string>{"Stockpile 2 D-201"});
    EXPECT_EQ(application.runCommands, std::vector<int32_t>{12094});
    EXPECT_EQ(h.reporter->count(), 0u);
    EXPECT_FALSE(h.control->tmrRefreshMePlease.Enabled());
}

TEST_F(ContextMenuTest, PickingSmallIconsFromTheBackgroundMenuShowsTheListInSmallIcons) {
    h.list(1).deselectAll();
    pickWhenShown("Small Icons");
    click(*list->viewport(), QPoint(list->viewport()->width() - 5, list->viewport()->height() - 5),
          Qt::RightButton);
    EXPECT_TRUE(shownItems.contains("Disable AutoRefresh") || shownItems.contains("Enable AutoRefresh"));
    EXPECT_EQ(h.list(1).View(), ui::RWListView::SmallIcons);
    EXPECT_EQ(list->viewMode(), QListView::ListMode);
    EXPECT_EQ(h.reporter->count(), 0u);
}

} // namespace
} // namespace kv380::qt::test
