#include "QtTestApp.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PictureNames.h"
#include "platform/ui/TreeView.h"
#include "qt/FormView.h"
#include "qt/FormWindow.h"

#include <QTreeView>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::qt::test {
namespace {

class TreeRenderingTest : public ::testing::Test {
protected:
    void SetUp() override {
        images.addImage("closed", ui::picture::FolderClosed);
        images.addImage("open", ui::picture::FolderOpen);
        tree.setImageList(&images);
        tree.Move(0, 0, 3000, 3000);
        tree.NodeClick = [&](const ui::TreeNode& node) { clicks.push_back(node.key); };
        widget = qobject_cast<QTreeView*>(window.view().widgetFor(tree));
        ASSERT_NE(widget, nullptr);
    }

    ui::Form form{"frmSymbolMap"};
    ui::ImageList& images = form.add<ui::ImageList>("ImageList1");
    ui::TreeView& tree = form.add<ui::TreeView>("TreeView1");
    FormWindow window{form};
    QTreeView* widget{nullptr};
    std::vector<std::string> clicks;
};

TEST_F(TreeRenderingTest, NodesAppearWithTheirImagesAndASelectionByCodeShowsWithoutNodeClick) {
    tree.addNode("", "root", "Symbols", "closed", "open");
    tree.addNode("root", "root\\Pumps", "Pumps", "closed", "open");
    QAbstractItemModel* model = widget->model();
    ASSERT_EQ(model->rowCount(), 1);
    const QModelIndex root = model->index(0, 0);
    EXPECT_EQ(root.data().toString(), "Symbols");
    EXPECT_EQ(model->rowCount(root), 1);
    EXPECT_FALSE(root.data(Qt::DecorationRole).value<QIcon>().isNull());

    tree.selectNode("root\\Pumps");
    const QModelIndex pumps = model->index(0, 0, root);
    EXPECT_EQ(widget->currentIndex(), pumps);
    EXPECT_TRUE(widget->isExpanded(root));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(TreeRenderingTest, MovingToAnotherNodeIsTheUsersClickAndTheTreeStaysOpenWhenRebuilt) {
    tree.addNode("", "root", "Symbols");
    tree.addNode("root", "a", "A");
    tree.addNode("root", "b", "B");
    QAbstractItemModel* model = widget->model();
    const QModelIndex root = model->index(0, 0);
    widget->expand(root);
    widget->setCurrentIndex(model->index(1, 0, root));
    EXPECT_EQ(tree.selectedKey(), "b");
    EXPECT_EQ(clicks, (std::vector<std::string>{"b"}));

    tree.clearNodes();
    tree.addNode("", "root", "Symbols");
    tree.addNode("root", "c", "C");
    EXPECT_TRUE(widget->isExpanded(widget->model()->index(0, 0)));
}

} // namespace
} // namespace kv380::qt::test
