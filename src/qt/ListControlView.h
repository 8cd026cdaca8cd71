#pragma once

#include "qt/ControlView.h"

#include <QItemSelection>

class QKeyEvent;

namespace kv380::ui {
class RWListView;
}

namespace kv380::qt {

class ListModel;
class ListWidget;

// A list control on a QListView over a ListModel: large icons for View 0, small icons in columns for
// View 2 (a flow of small icons for 1, one column for 3), with uniform item sizes and batched layout so a
// list of 100,000 items stays responsive.
//
// The user's selection (extended selection when the list is multi-select) becomes the items' selected
// state in the model; the mouse buttons become MouseDown/MouseUp (after the view has updated the
// selection, so a handler reads the selection the click made), then Click; a released key becomes KeyUp
// (after the view moved its selection); a drag of the selected items
// carries their keys (as text and as StockpileObjectsMimeType) and raises OLEStartDrag before and
// OLECompleteDrag after.
//
// A list hidden when its view is made (a page of tabs loads up to 254 hidden list elements, of which one is
// shown at a time) gets its widget when it is first shown or its widget is asked for: making hundreds of
// list views that are never shown would cost more than the rest of a page switch.
class ListControlView : public ControlView {
    Q_OBJECT
public:
    ListControlView(FormView& form, ui::RWListView& list);

    // For the list widget.
    void dragStarted();
    void dragCompleted(Qt::DropAction action);
    void doubleClicked();
    void keyReleased(const QKeyEvent& event);

private:
    void makeWidget() override;
    void mirrorOwn(ui::Property what) override;
    void detached() override;
    void clickCompleted() override;
    void applyView();
    void mirrorSelection();
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

    ui::RWListView& m_list;
    ListWidget* m_view{nullptr};
    ListModel* m_model{nullptr};
};

} // namespace kv380::qt
