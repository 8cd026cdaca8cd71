#include "QtTestApp.h"
#include "RenderedListTest.h"
#include "platform/ui/Frame.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/ListDrag.h"

#include <QApplication>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

class ListRenderingTest : public RenderedListTest {
protected:
    void fill(int count) {
        list.beginUpdate();
        for (int i = 1; i <= count; ++i) {
            list.addItem("k" + std::to_string(i), "Object " + std::to_string(i));
        }
        list.endUpdate();
    }
    // The centre of a row on screen, once the view has laid it out.
    QPoint centreOf(int row) {
        widget->doItemsLayout();
        processUntil([&] { return widget->visualRect(model->index(row, 0)).isValid(); });
        return widget->visualRect(model->index(row, 0)).center();
    }
    std::vector<int> selectedItems() const {
        std::vector<int> selected;
        for (int i = 1; i <= list.itemCount(); ++i) {
            if (list.item(i).selected) {
                selected.push_back(i);
            }
        }
        return selected;
    }
    std::vector<int> selectedRows() const {
        std::vector<int> rows;
        for (const QModelIndex& index : widget->selectionModel()->selectedIndexes()) {
            rows.push_back(index.row());
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

TEST_F(ListRenderingTest, AHundredThousandItemFillInOneUpdateIsOneModelReset) {
    fill(3);
    int resets = 0;
    QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    list.beginUpdate();
    list.clearItems();
    for (int i = 1; i <= 100000; ++i) {
        list.addItem("k" + std::to_string(i), "Object " + std::to_string(i));
    }
    list.endUpdate();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(model->rowCount(), 100000);
    EXPECT_EQ(model->index(99999, 0).data().toString(), "Object 100000");
}

TEST_F(ListRenderingTest, RowsAreReadFromTheListAndFollowItsChanges) {
    fill(3);
    list.setItemText(2, "Renamed");
    list.removeItem(1);
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), "Renamed");
    EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    list.setToolTipText("Select an object");
    EXPECT_EQ(widget->toolTip(), "Select an object");
}

TEST_F(ListRenderingTest, ViewModesAndSelectionModeFollowTheList) {
    EXPECT_EQ(widget->viewMode(), QListView::IconMode);
    list.setView(ui::RWListView::SmallIcons);
    EXPECT_EQ(widget->viewMode(), QListView::ListMode);
    EXPECT_EQ(widget->flow(), QListView::TopToBottom);
    EXPECT_TRUE(widget->isWrapping());
    EXPECT_TRUE(widget->uniformItemSizes());
    EXPECT_EQ(widget->layoutMode(), QListView::Batched);
    EXPECT_EQ(widget->selectionMode(), QAbstractItemView::ExtendedSelection);
    list.setMultiSelect(false);
    EXPECT_EQ(widget->selectionMode(), QAbstractItemView::SingleSelection);
    list.setView(ui::RWListView::LargeIcons);
    EXPECT_EQ(widget->viewMode(), QListView::IconMode);
    EXPECT_TRUE(widget->dragEnabled());
}

TEST_F(ListRenderingTest, SelectionGoesBothWaysBetweenTheItemsAndTheView) {
    fill(10);
    list.setItemSelected(3, true);
    list.setItemSelected(4, true);
    EXPECT_EQ(selectedRows(), (std::vector<int>{2, 3}));

    click(*widget->viewport(), centreOf(5));
    EXPECT_EQ(selectedItems(), (std::vector<int>{6}));
    click(*widget->viewport(), centreOf(7), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{6, 8}));
    EXPECT_EQ(selectedRows(), (std::vector<int>{5, 7}));

    list.deselectAll();
    EXPECT_TRUE(selectedRows().empty());
}

TEST_F(ListRenderingTest, MouseButtonsReachTheListAfterTheViewHasSelectedAndInTwips) {
    fill(5);
    std::vector<std::string> events;
    int selectedAtDown = -1;
    int buttonAtDown = 0;
    float xAtDown = -1;
    list.MouseDown = [&](int button, int, float x, float) {
        events.push_back("MouseDown");
        selectedAtDown = list.selectedCount() == 1 && list.item(2).selected ? 2 : 0;
        buttonAtDown = button;
        xAtDown = x;
    };
    list.MouseUp = [&](int, int, float, float) { events.push_back("MouseUp"); };
    list.Click = [&] { events.push_back("Click"); };

    const QPoint at = centreOf(1);
    click(*widget->viewport(), at, Qt::RightButton);
    EXPECT_EQ(events, (std::vector<std::string>{"MouseDown", "MouseUp", "Click"}));
    EXPECT_EQ(selectedAtDown, 2);
    EXPECT_EQ(buttonAtDown, 2);
    EXPECT_FLOAT_EQ(xAtDown, view->scale().toTwipsX(at.x() + widget->viewport()->x()));
}

TEST_F(ListRenderingTest, DraggingTheSelectedItemsRaisesStartBeforeAndCompletionAfterTheDrag) {
    fill(5);
    std::vector<std::string> events;
    list.OLEStartDrag = [&] { events.push_back("start with " + std::to_string(list.selectedCount())); };
    list.OLECompleteDrag = [&](int effect) { events.push_back("complete " + std::to_string(effect)); };

    const QPoint from = centreOf(0);
    press(*widget->viewport(), from);
    const QPoint step(QApplication::startDragDistance() + 5, 0);
    for (int i = 1; i <= 3; ++i) {
        QMouseEvent move(QEvent::MouseMove, QPointF(from + i * step),
                         QPointF(widget->viewport()->mapToGlobal(from + i * step)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget->viewport(), &move);
    }
    release(*widget->viewport(), from + 3 * step);
    // Nothing accepts a drop here, so the drag ends without effect.
    EXPECT_EQ(events, (std::vector<std::string>{"start with 1", "complete 0"}));
}

TEST_F(ListRenderingTest, ADragCarriesTheItemsKeysInOrderAsTextAndInTheStockpilesOwnFormat) {
    fill(4);
    // Selected from the bottom up: the drag still lists them in the list's order.
    const QModelIndexList dragged{model->index(3, 0), model->index(1, 0)};
    const std::unique_ptr<QMimeData> data(model->mimeData(dragged));
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(model->mimeTypes().contains(StockpileObjectsMimeType));
    EXPECT_EQ(data->text(), "k2\nk4");
    EXPECT_EQ(data->data(StockpileObjectsMimeType), QByteArray("k2\nk4"));
}

TEST_F(ListRenderingTest, AnUnloadedListLeavesNoRowsBehindForAnyPaint) {
    ui::RWListView& second = lists.Load(2);
    second.addItem("a", "A");
    auto* secondWidget = qobject_cast<QListView*>(view->widgetFor(second));
    ASSERT_NE(secondWidget, nullptr);
    QAbstractItemModel* secondModel = secondWidget->model();
    lists.Unload(2);
    // Until the widget goes, it reads nothing of the destroyed list.
    EXPECT_EQ(secondModel->rowCount(), 0);
    flushDeferredDeletes();
}

} // namespace
} // namespace kv380::qt::test
