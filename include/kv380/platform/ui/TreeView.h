#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

#include <deque>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kv380::ui {

class ImageList;

// One node of a tree view. Nodes are owned by their tree and stay at the same address until it is cleared.
struct KV380_API TreeNode {
    std::string key;
    std::string text;
    std::string image;         // image-list key shown normally
    std::string selectedImage; // image-list key shown while the node is selected
    TreeNode* parent{nullptr};
    std::vector<TreeNode*> children; // in the order they were added
};

// A tree view with keyed nodes (keys unique in the tree). A user's click on a node selects it and raises
// NodeClick; selecting by code raises nothing. Clearing raises nothing.
class KV380_API TreeView : public Control {
public:
    explicit TreeView(std::string name = {});

    // The image list the node images come from; it must outlive the tree view's use of it.
    ImageList* imageList() const { return m_imageList; }
    void setImageList(ImageList* images);

    // Adds a node as the last child of the node keyed relative, or as the last top-level node when
    // relative is empty. A key already in the tree throws 35602, an unknown relative 35601, an image key
    // missing from the image list 35601 (35613 when there is no image list). Empty keys are not allowed
    // (35602 would not find them again), so they throw 380.
    const TreeNode& addNode(std::string_view relative, std::string key, std::string text,
                            std::string image = {}, std::string selectedImage = {});
    int nodeCount() const { return static_cast<int>(m_nodes.size()); }
    bool hasNode(std::string_view key) const;
    // 35601 for an unknown key.
    const TreeNode& node(std::string_view key) const;
    // Top-level nodes in order.
    const std::vector<TreeNode*>& roots() const { return m_roots; }
    // Every node, in the order added.
    const std::deque<TreeNode>& nodes() const { return m_nodes; }
    void clearNodes();

    // The selected node's key, "" when none.
    const std::string& selectedKey() const { return m_selected; }
    // Selects a node without raising NodeClick (35601 for an unknown key).
    void selectNode(std::string_view key);
    // A user's click on a node: selects it and raises NodeClick.
    void clickNode(std::string_view key);
    void raiseDblClick();

    std::function<void(const TreeNode&)> NodeClick;
    std::function<void()> DblClick;

private:
    void checkImage(const std::string& image) const;

    std::deque<TreeNode> m_nodes;
    std::vector<TreeNode*> m_roots;
    std::unordered_map<std::string, TreeNode*> m_byKey;
    std::string m_selected;
    ImageList* m_imageList{nullptr};
};

} // namespace kv380::ui
