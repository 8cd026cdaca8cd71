#include "QtTestApp.h"
#include "platform/ui/Image.h"
#include "platform/ui/MousePointer.h"
#include "platform/ui/PictureNames.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"

#include <QMouseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

// A splitter bar between a tree and a list, dragged by the user: the control under the pointer hears of
// the drag, in its own twips, and the drop ends it.
class ManualDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        control.Move(0, 0, 4500, 6000);
        tree.Move(0, 0, 3000, 2250);
        splitter.Move(0, 2250, 3000, 90);
        splitter.setMousePointer(ui::pointer::SizeNS);
        splitter.setDragMode(1);
        splitter.setDragIcon(ui::picture::DragArrowNS);
        list.Move(0, 2340, 3000, 2000);
        tree.DragOver = [&](ui::Control& source, float, float y, int state) {
            events.push_back("tree " + std::to_string(state) + " " + source.Name());
            lastY = y;
        };
        list.DragOver = [&](ui::Control&, float, float, int state) {
            events.push_back("list " + std::to_string(state));
        };
        list.DragDrop = [&](ui::Control& source, float, float y) {
            events.push_back("drop " + source.Name() + (source.Dragging() ? " dragging" : ""));
            lastY = y;
        };
        view = new FormView(control, &host);
        host.resize(300, 400);
        host.show();
        bar = view->widgetFor(splitter);
        ASSERT_NE(bar, nullptr);
    }

    // A mouse event at a point of the form, delivered to the splitter that holds the mouse.
    void send(QEvent::Type type, QPoint inForm, Qt::MouseButton button, Qt::MouseButtons buttons) {
        const QPoint global = view->mapToGlobal(inForm);
        QMouseEvent event(type, QPointF(bar->mapFromGlobal(global)), QPointF(global), button, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &event);
    }

    ui::UserControl control{"ctlSymbolLibrary"};
    ui::TreeView& tree = control.add<ui::TreeView>("TreeView1");
    ui::Image& splitter = control.add<ui::Image>("Image1");
    ui::RWListView& list = control.add<ui::RWListView>("RWListView2");
    std::vector<std::string> events;
    float lastY{-1};
    QWidget host;
    FormView* view{nullptr};
    QWidget* bar{nullptr};
};

TEST_F(ManualDragTest, TheControlsUnderThePointerHearOfTheDragAndTheDropEndsIt) {
    EXPECT_EQ(bar->cursor().shape(), Qt::SizeVerCursor);
    const QPoint onBar = bar->geometry().center();
    send(QEvent::MouseButtonPress, onBar, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(splitter.Dragging());

    const QRect treeRect = view->widgetFor(tree)->geometry();
    send(QEvent::MouseMove, treeRect.center(), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, treeRect.center() + QPoint(0, 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_FLOAT_EQ(lastY, view->scale().toTwipsY(treeRect.center().y() - treeRect.top() + 10));

    const QRect listRect = view->widgetFor(list)->geometry();
    send(QEvent::MouseMove, listRect.center(), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, listRect.center(), Qt::LeftButton, Qt::NoButton);

    EXPECT_EQ(events, (std::vector<std::string>{"tree 0 Image1", "tree 2 Image1", "tree 1 Image1", "list 0",
                                                "drop Image1"}));
    EXPECT_FALSE(splitter.Dragging());
    EXPECT_EQ(bar->cursor().shape(), Qt::SizeVerCursor);
}

TEST_F(ManualDragTest, ADropOutsideTheWindowCancelsTheDrag) {
    send(QEvent::MouseButtonPress, bar->geometry().center(), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(-50, -50), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(splitter.Dragging());
    EXPECT_TRUE(events.empty());
}

} // namespace
} // namespace kv380::qt::test
