#pragma once

#include "qt/ControlView.h"

#include <set>
#include <string>

class QTreeView;

namespace kv380::ui {
class TreeView;
}

namespace kv380::qt {

class TreeModel;
class TreeWidget;

// A tree view on a QTreeView over a TreeModel. A user's click on a node (also on the node already
// selected) and a keyboard move to another node are the model's clickNode, which raises NodeClick.
// Which nodes are expanded is the only thing the model does not know; it is kept by node key, so a
// rebuilt tree opens where it was open.
class TreeControlView : public ControlView {
    Q_OBJECT
public:
    TreeControlView(FormView& form, ui::TreeView& tree);

    void picturesChanged() override;
    // For the tree widget.
    void nodePressed(const QModelIndex& index);
    void doubleClicked();

private:
    void mirrorOwn(ui::Property what) override;
    void detached() override;
    void mirrorSelection();
    void currentChanged(const QModelIndex& current);
    void restoreExpanded();

    ui::TreeView& m_tree;
    TreeWidget* m_view;
    TreeModel* m_model;
    std::set<std::string> m_expanded;
};

} // namespace kv380::qt
