#include "qt/TreeControlView.h"

#include "platform/ui/TreeView.h"
#include "qt/Text.h"
#include "qt/TreeModel.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTreeView>

namespace kv380::qt {

// The tree widget: a press on the node that is already current is a click too (a press on another node
// arrives as a change of the current node).
class TreeWidget : public QTreeView {
public:
    explicit TreeWidget(TreeControlView* owner) : m_owner(owner) {}
    void detach() { m_owner = nullptr; }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QPointer<TreeWidget> self(this);
        const QModelIndex before = currentIndex();
        QTreeView::mousePressEvent(event);
        if (!self || m_owner == nullptr) {
            return;
        }
        const QModelIndex at = indexAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && at.isValid() && at == before && at == currentIndex()) {
            m_owner->nodePressed(at);
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QPointer<TreeWidget> self(this);
        QTreeView::mouseDoubleClickEvent(event);
        if (self && m_owner != nullptr && indexAt(event->position().toPoint()).isValid()) {
            m_owner->doubleClicked();
        }
    }

private:
    TreeControlView* m_owner;
};

TreeControlView::TreeControlView(FormView& form, ui::TreeView& tree)
    : ControlView(form, tree), m_tree(tree), m_view(new TreeWidget(this)),
      m_model(new TreeModel(tree, this)) {
    m_view->setHeaderHidden(true);
    m_view->setUniformRowHeights(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double-click is the tree's DblClick; it does not also fold the node.
    m_view->setExpandsOnDoubleClick(false);
    m_view->setModel(m_model);
    setWidget(m_view, false);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { currentChanged(current); });
    connect(m_view, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (const ui::TreeNode* node = m_model->nodeAt(index)) {
            m_expanded.insert(node->key);
        }
    });
    connect(m_view, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (const ui::TreeNode* node = m_model->nodeAt(index)) {
            m_expanded.erase(node->key);
        }
    });
}

void TreeControlView::detached() {
    m_view->detach();
    m_model->detach();
}

void TreeControlView::picturesChanged() {
    m_model->picturesChanged();
    m_view->viewport()->update();
}

void TreeControlView::mirrorOwn(ui::Property what) {
    switch (what) {
    case ui::Property::List:
        m_model->reload();
        restoreExpanded();
        mirrorSelection();
        break;
    case ui::Property::Selection:
        mirrorSelection();
        // The selected node may show another image.
        m_view->viewport()->update();
        break;
    case ui::Property::Picture:
        picturesChanged();
        break;
    default:
        break;
    }
}

void TreeControlView::restoreExpanded() {
    // Keys of nodes missing now stay: a tree cleared and filled again brings them back.
    for (const std::string& key : m_expanded) {
        const QModelIndex index = m_model->indexOf(key);
        if (index.isValid()) {
            m_view->expand(index);
        }
    }
}

void TreeControlView::mirrorSelection() {
    const QModelIndex selected = m_model->indexOf(m_tree.selectedKey());
    QItemSelectionModel* selection = m_view->selectionModel();
    if (!selected.isValid()) {
        selection->clear();
        return;
    }
    // A selected node is shown: its ancestors open.
    for (QModelIndex up = selected.parent(); up.isValid(); up = up.parent()) {
        m_view->expand(up);
    }
    if (selection->currentIndex() != selected || !selection->isSelected(selected)) {
        selection->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
    }
}

void TreeControlView::currentChanged(const QModelIndex& current) {
    const ui::TreeNode* node = m_model->nodeAt(current);
    if (node == nullptr || node->key == m_tree.selectedKey()) {
        return;
    }
    const std::string key = node->key;
    input("QItemSelectionModel::currentChanged", ui::Property::Selection, [&] { m_tree.clickNode(key); });
}

void TreeControlView::nodePressed(const QModelIndex& index) {
    const ui::TreeNode* node = m_model->nodeAt(index);
    if (node == nullptr) {
        return;
    }
    const std::string key = node->key;
    input("QTreeView::mousePressEvent", ui::Property::Selection, [&] { m_tree.clickNode(key); });
}

void TreeControlView::doubleClicked() {
    input("QTreeView::mouseDoubleClickEvent", [&] { m_tree.raiseDblClick(); });
}

} // namespace kv380::qt
