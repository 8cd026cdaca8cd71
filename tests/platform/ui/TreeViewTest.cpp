#include "platform/ui/TreeView.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/UiErrors.h"
#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv380::ui {

using test::errorNumberOf;
namespace {

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        images.addImage("FolderClosed");
        images.addImage("FolderOpen");
        tree.setImageList(&images);
    }

    ImageList images{"ImageList1"};
    TreeView tree{"TreeView1"};
};

TEST_F(TreeViewTest, NodesHangUnderTheirParentsInTheOrderAdded) {
    tree.addNode("", "ROOT", "PFD");
    tree.addNode("ROOT", "101:Pumps", "Pumps", "FolderClosed", "FolderOpen");
    tree.addNode("ROOT", "102:Valves", "Valves", "FolderClosed", "FolderOpen");
    tree.addNode("102:Valves", "103:Valves\\Ball", "Ball", "FolderClosed", "FolderOpen");
    tree.addNode("102:Valves", "104:Valves\\Gate", "Gate", "FolderClosed", "FolderOpen");

    ASSERT_EQ(tree.roots().size(), 1U);
    const TreeNode& root = *tree.roots()[0];
    std::vector<std::string> under;
    for (const TreeNode* child : root.children) {
        under.push_back(child->key);
    }
    EXPECT_EQ(under, (std::vector<std::string>{"101:Pumps", "102:Valves"}));
    const TreeNode& gate = tree.node("104:Valves\\Gate");
    EXPECT_EQ(gate.text, "Gate");
    EXPECT_EQ(gate.parent->key, "102:Valves");
    EXPECT_EQ(gate.selectedImage, "FolderOpen");
    EXPECT_EQ(tree.nodeCount(), 5);
}

TEST_F(TreeViewTest, DuplicateKeysUnknownParentsAndUnknownImagesAreRefused) {
    tree.addNode("", "ROOT", "PFD");
    EXPECT_EQ(errorNumberOf([&] { tree.addNode("", "ROOT", "again"); }), err::KeyNotUnique);
    EXPECT_EQ(errorNumberOf([&] { tree.addNode("NOPE", "101:x", "x"); }), uierr::ElementNotFound);
    EXPECT_EQ(errorNumberOf([&] { tree.addNode("ROOT", "101:x", "x", "Missing"); }), uierr::ElementNotFound);
    TreeView bare("bare");
    EXPECT_EQ(errorNumberOf([&] { bare.addNode("", "ROOT", "x", "FolderClosed"); }),
              uierr::ImageListNotInitialized);
    EXPECT_EQ(tree.nodeCount(), 1);
    EXPECT_EQ(errorNumberOf([&] { (void)tree.node("101:x"); }), uierr::ElementNotFound);
}

TEST_F(TreeViewTest, AClickOnANodeSelectsItAndRaisesNodeClickButSelectingByCodeDoesNot) {
    tree.addNode("", "ROOT", "PFD");
    tree.addNode("ROOT", "101:Pumps", "Pumps");
    std::vector<std::string> clicked;
    tree.NodeClick = [&](const TreeNode& n) { clicked.push_back(n.key); };
    tree.selectNode("ROOT");
    tree.clickNode("101:Pumps");
    EXPECT_EQ(clicked, (std::vector<std::string>{"101:Pumps"}));
    EXPECT_EQ(tree.selectedKey(), "101:Pumps");

    int doubleClicks = 0;
    tree.DblClick = [&] { ++doubleClicks; };
    tree.raiseDblClick();
    EXPECT_EQ(doubleClicks, 1);

    tree.clearNodes();
    EXPECT_EQ(tree.nodeCount(), 0);
    EXPECT_EQ(tree.selectedKey(), "");
    EXPECT_EQ(clicked.size(), 1U);
    tree.addNode("", "ROOT", "PPID"); // keys are free again
}

} // namespace
} // namespace kv380::ui
