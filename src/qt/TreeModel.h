#pragma once

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

#include <unordered_map>

namespace kv380::ui {
class TreeView;
struct TreeNode;
} // namespace kv380::ui

namespace kv380::qt {

// The Qt item model over a tree view's nodes, read from the tree when Qt asks. An index carries the node's
// position among the tree's nodes (in the order added), checked against the live tree before use, so a
// tree cleared before its notification arrives is never read through a stale pointer.
class TreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    TreeModel(ui::TreeView& tree, QObject* parent);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The tree's nodes changed.
    void reload();
    // The tree is going: the model reads as empty from now on.
    void detach();
    // The image list's pictures changed: icons are read again at the next paint.
    void picturesChanged();

    // The node of an index, nullptr for none; the index of a node (by key), invalid for none.
    const ui::TreeNode* nodeAt(const QModelIndex& index) const;
    QModelIndex indexOf(const std::string& key) const;

private:
    QModelIndex indexOfNode(const ui::TreeNode* node) const;
    QIcon imageIcon(const std::string& imageKey) const;

    ui::TreeView* m_tree;
    // Node positions as of the last notification.
    std::unordered_map<const ui::TreeNode*, quintptr> m_positions;
    mutable QHash<QString, QIcon> m_icons;
};

} // namespace kv380::qt
