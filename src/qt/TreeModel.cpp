#include "qt/TreeModel.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/TreeView.h"
#include "qt/Pictures.h"
#include "qt/Text.h"

#include <algorithm>

namespace kv380::qt {

TreeModel::TreeModel(ui::TreeView& tree, QObject* parent) : QAbstractItemModel(parent), m_tree(&tree) {
    reload();
}

const ui::TreeNode* TreeModel::nodeAt(const QModelIndex& index) const {
    if (m_tree == nullptr || !index.isValid()) {
        return nullptr;
    }
    // Positions are 1-based in the index so that 0 never names a node.
    const quintptr position = index.internalId();
    if (position == 0 || position > static_cast<quintptr>(m_tree->nodeCount())) {
        return nullptr;
    }
    return &m_tree->nodes()[position - 1];
}

QModelIndex TreeModel::indexOfNode(const ui::TreeNode* node) const {
    if (m_tree == nullptr || node == nullptr) {
        return {};
    }
    const auto found = m_positions.find(node);
    if (found == m_positions.end()) {
        return {};
    }
    const auto& siblings = node->parent != nullptr ? node->parent->children : m_tree->roots();
    const auto at = std::find(siblings.begin(), siblings.end(), node);
    if (at == siblings.end()) {
        return {};
    }
    return createIndex(static_cast<int>(at - siblings.begin()), 0, found->second);
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (m_tree == nullptr || column != 0 || row < 0) {
        return {};
    }
    const ui::TreeNode* parentNode = nodeAt(parent);
    if (parent.isValid() && parentNode == nullptr) {
        return {};
    }
    const auto& children = parentNode != nullptr ? parentNode->children : m_tree->roots();
    if (row >= static_cast<int>(children.size())) {
        return {};
    }
    const auto found = m_positions.find(children[static_cast<std::size_t>(row)]);
    return found == m_positions.end() ? QModelIndex() : createIndex(row, 0, found->second);
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const ui::TreeNode* node = nodeAt(child);
    return node != nullptr ? indexOfNode(node->parent) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (m_tree == nullptr) {
        return 0;
    }
    if (!parent.isValid()) {
        return static_cast<int>(m_tree->roots().size());
    }
    const ui::TreeNode* node = nodeAt(parent);
    return node != nullptr ? static_cast<int>(node->children.size()) : 0;
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QIcon TreeModel::imageIcon(const std::string& imageKey) const {
    const ui::ImageList* images = m_tree->imageList();
    if (imageKey.empty() || images == nullptr) {
        return {};
    }
    for (const auto& image : images->images()) {
        if (image.key == imageKey) {
            const QString name = toQt(image.picture);
            auto found = m_icons.constFind(name);
            if (found == m_icons.constEnd()) {
                found = m_icons.insert(name, pictureIcon(image.picture, nullptr));
            }
            return *found;
        }
    }
    return {};
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const ui::TreeNode* node = nodeAt(index);
    if (node == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return toQt(node->text);
    case Qt::DecorationRole: {
        const bool selected = m_tree->selectedKey() == node->key;
        const std::string& key = selected && !node->selectedImage.empty() ? node->selectedImage : node->image;
        const QIcon icon = imageIcon(key);
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    default:
        return {};
    }
}

void TreeModel::reload() {
    beginResetModel();
    m_positions.clear();
    if (m_tree != nullptr) {
        quintptr position = 1;
        for (const ui::TreeNode& node : m_tree->nodes()) {
            m_positions.emplace(&node, position++);
        }
    }
    endResetModel();
}

void TreeModel::detach() {
    beginResetModel();
    m_tree = nullptr;
    m_positions.clear();
    m_icons.clear();
    endResetModel();
}

void TreeModel::picturesChanged() {
    m_icons.clear();
}

QModelIndex TreeModel::indexOf(const std::string& key) const {
    if (m_tree == nullptr || !m_tree->hasNode(key)) {
        return {};
    }
    return indexOfNode(&m_tree->node(key));
}

} // namespace kv380::qt
