#include "qt/ListControlView.h"

#include "platform/ui/RWListView.h"
#include "qt/FormView.h"
#include "qt/ListModel.h"
#include "qt/ListStatus.h"
#include "qt/Pictures.h"
#include "qt/Text.h"

#include <QDrag>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace kv380::qt {

namespace {

constexpr int kBatchSize = 2000;

using RowRanges = std::vector<std::pair<int, int>>;

// Rows [first, last], sorted and merged, whatever way the selection model splits them.
RowRanges rowRanges(const QItemSelection& selection) {
    RowRanges ranges;
    for (const QItemSelectionRange& range : selection) {
        ranges.emplace_back(range.top(), range.bottom());
    }
    std::sort(ranges.begin(), ranges.end());
    RowRanges merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second + 1) {
            merged.back().second = std::max(merged.back().second, range.second);
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

} // namespace

// The list widget: mouse buttons reach the model after the view's own handling (the selection first), and a
// drag is the control's drag.
class ListWidget : public QListView, public FootRoom {
public:
    explicit ListWidget(ListControlView* owner) : m_owner(owner) {}
    void detach() { m_owner = nullptr; }
    void reserveFoot(int height) override {
        if (viewportMargins().bottom() != height) {
            setViewportMargins(0, 0, 0, height);
        }
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QPointer<ListWidget> self(this);
        QListView::mousePressEvent(event);
        if (self && m_owner != nullptr) {
            m_owner->mousePressed(inControl(*event));
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QPointer<ListWidget> self(this);
        QListView::mouseMoveEvent(event);
        if (self && m_owner != nullptr) {
            m_owner->mouseMoved(inControl(*event));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QPointer<ListWidget> self(this);
        QListView::mouseReleaseEvent(event);
        if (self && m_owner != nullptr) {
            m_owner->mouseReleased(inControl(*event));
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QPointer<ListWidget> self(this);
        QListView::mouseDoubleClickEvent(event);
        if (self && m_owner != nullptr) {
            m_owner->doubleClicked();
        }
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        QPointer<ListWidget> self(this);
        QListView::keyReleaseEvent(event);
        if (self && m_owner != nullptr && !event->isAutoRepeat()) {
            m_owner->keyReleased(*event);
        }
    }
    void startDrag(Qt::DropActions) override {
        const QModelIndexList dragged = selectedIndexes();
        if (m_owner == nullptr || dragged.isEmpty()) {
            return;
        }
        QPointer<ListWidget> self(this);
        m_owner->dragStarted();
        if (!self || m_owner == nullptr) {
            return;
        }
        // Qt deletes the drag when it is over.
        auto* drag = new QDrag(this);
        drag->setMimeData(model()->mimeData(dragged));
        drag->setPixmap(fileIcon(this).pixmap(32, 32));
        const Qt::DropAction done = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
        if (self && m_owner != nullptr) {
            m_owner->dragCompleted(done);
        }
    }

private:
    // The event in the control's own coordinates (the viewport sits inside the frame).
    QMouseEvent inControl(const QMouseEvent& event) const {
        const QPointF offset = viewport()->pos();
        return QMouseEvent(event.type(), event.position() + offset, event.scenePosition(),
                           event.globalPosition(), event.button(), event.buttons(), event.modifiers(),
                           event.pointingDevice());
    }

    ListControlView* m_owner;
};

ListControlView::ListControlView(FormView& form, ui::RWListView& list)
    : ControlView(form, list), m_list(list) {
    if (list.Visible()) {
        makeWidget();
    }
}

void ListControlView::makeWidget() {
    m_view = new ListWidget(this);
    m_model = new ListModel(m_list, this);
    m_view->setUniformItemSizes(true);
    m_view->setLayoutMode(QListView::Batched);
    m_view->setBatchSize(kBatchSize);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setMovement(QListView::Static);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setModel(m_model);
    m_model->setDefaultIcon(fileIcon(m_view));
    m_model->setItemIcons(form().itemIcons(), m_view);
    setWidget(m_view, false);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListControlView::selectionChanged);
}

void ListControlView::picturesChanged() {
    if (m_model != nullptr) {
        m_model->setItemIcons(form().itemIcons(), m_view);
    }
}

void ListControlView::detached() {
    if (m_view != nullptr) {
        m_view->detach();
        m_model->detach();
    }
}

void ListControlView::applyView() {
    const QFontMetrics metrics(m_view->font());
    const int line = metrics.height();
    const int charWidth = std::max(1, metrics.averageCharWidth());
    switch (m_list.View()) {
    case ui::RWListView::LargeIcons:
        m_view->setViewMode(QListView::IconMode);
        m_view->setFlow(QListView::LeftToRight);
        m_view->setWrapping(true);
        m_view->setWordWrap(true);
        m_view->setIconSize(QSize(32, 32));
        m_model->setItemSize(QSize(std::max(76, charWidth * 12) - 4, 32 + 2 * line + 6));
        m_view->setGridSize(QSize(std::max(76, charWidth * 12), 32 + 2 * line + 10));
        break;
    case 1: // small icons flowing left to right
        m_model->setItemSize(QSize());
        m_view->setViewMode(QListView::ListMode);
        m_view->setFlow(QListView::LeftToRight);
        m_view->setWrapping(true);
        m_view->setWordWrap(false);
        m_view->setIconSize(QSize(16, 16));
        m_view->setGridSize(QSize(charWidth * 20 + 24, std::max(18, line + 4)));
        break;
    case ui::RWListView::SmallIcons:
        m_model->setItemSize(QSize());
        m_view->setViewMode(QListView::ListMode);
        m_view->setFlow(QListView::TopToBottom);
        m_view->setWrapping(true);
        m_view->setWordWrap(false);
        m_view->setIconSize(QSize(16, 16));
        m_view->setGridSize(QSize(charWidth * 24 + 24, std::max(18, line + 4)));
        break;
    default: // one column
        m_model->setItemSize(QSize());
        m_view->setViewMode(QListView::ListMode);
        m_view->setFlow(QListView::TopToBottom);
        m_view->setWrapping(false);
        m_view->setWordWrap(false);
        m_view->setIconSize(QSize(16, 16));
        m_view->setGridSize(QSize());
        break;
    }
    // The view mode resets these.
    m_view->setMovement(QListView::Static);
    m_view->setResizeMode(QListView::Adjust);
    m_view->setUniformItemSizes(true);
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragOnly);
    m_view->setSelectionMode(m_list.MultiSelect() ? QAbstractItemView::ExtendedSelection
                                                  : QAbstractItemView::SingleSelection);
}

void ListControlView::mirrorOwn(ui::Property what) {
    switch (what) {
    case ui::Property::List:
        m_model->reload();
        // A reset clears the view's selection; the model's selection stands.
        mirrorSelection();
        break;
    case ui::Property::Selection:
        mirrorSelection();
        break;
    case ui::Property::View:
    case ui::Property::Font:
        applyView();
        break;
    case ui::Property::Arrange:
        m_view->doItemsLayout();
        break;
    case ui::Property::ToolTipText:
        // An item's tooltip is its whole name; the list's shows where the pointer is over no item.
        m_view->viewport()->setToolTip(toQt(m_list.ToolTipText()));
        break;
    default:
        break;
    }
}

void ListControlView::mirrorSelection() {
    QItemSelectionModel* selection = m_view->selectionModel();
    // A list of 100,000 items without a selection need not be read item by item.
    if (m_list.selectedCount() == 0) {
        if (selection->hasSelection()) {
            selection->clearSelection();
        }
        return;
    }
    RowRanges wanted;
    const int rows = std::min(m_list.itemCount(), m_model->rowCount());
    for (int row = 0; row < rows; ++row) {
        if (!m_list.item(row + 1).selected) {
            continue;
        }
        if (!wanted.empty() && wanted.back().second == row - 1) {
            wanted.back().second = row;
        } else {
            wanted.emplace_back(row, row);
        }
    }
    // Re-selecting what the view already shows would disturb a selection the user is still extending.
    if (rowRanges(selection->selection()) == wanted) {
        return;
    }
    QItemSelection shown;
    for (const auto& [first, last] : wanted) {
        shown.select(m_model->index(first), m_model->index(last));
    }
    selection->select(shown, QItemSelectionModel::ClearAndSelect);
}

void ListControlView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    input("QItemSelectionModel::selectionChanged", [&] {
        // The whole user selection is written before the view hears of it, once.
        const ui::UpdateBatch batch(m_list);
        const auto apply = [&](const QItemSelection& ranges, bool state) {
            for (const auto& [first, last] : rowRanges(ranges)) {
                for (int row = first; row <= last && row < m_list.itemCount(); ++row) {
                    m_list.setItemSelected(row + 1, state);
                }
            }
        };
        apply(deselected, false);
        apply(selected, true);
    });
}

void ListControlView::clickCompleted() {
    input("QListView::mouseReleaseEvent", [&] { m_list.raiseClick(); });
}

void ListControlView::doubleClicked() {
    input("QListView::mouseDoubleClickEvent", [&] { m_list.raiseDblClick(); });
}

void ListControlView::keyReleased(const QKeyEvent& event) {
    int shift = 0;
    shift |= (event.modifiers() & Qt::ShiftModifier) ? 1 : 0;
    shift |= (event.modifiers() & Qt::ControlModifier) ? 2 : 0;
    shift |= (event.modifiers() & Qt::AltModifier) ? 4 : 0;
    input("QListView::keyReleaseEvent", [&] { m_list.raiseKeyUp(event.key(), shift); });
}

void ListControlView::dragStarted() {
    input("QListView::startDrag", [&] { m_list.raiseOLEStartDrag(); });
}

void ListControlView::dragCompleted(Qt::DropAction action) {
    const int effect = action == Qt::CopyAction ? 1 : action == Qt::MoveAction ? 2 : 0;
    input("QDrag::exec", [&] { m_list.raiseOLECompleteDrag(effect); });
}

} // namespace kv380::qt
