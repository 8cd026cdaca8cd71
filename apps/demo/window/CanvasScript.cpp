#include "window/CanvasScript.h"

#include "control/_ctlStockpile.h"
#include "model/DemoHost.h"
#include "platform/AutomationError.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "window/DemoSession.h"
#include "window/DemoWindow.h"
#include "window/DrawingArea.h"
#include "window/DrawingCanvas.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>

#include <memory>

namespace kv380::demo {

namespace {

constexpr const char* ScriptSource = "KV380 Demo Script";

[[noreturn]] void fail(const std::string& what) {
    throw AutomationError(err::InvalidProcedureCall, ScriptSource, what);
}

// The list element the stock pile shows now.
ui::RWListView& shownList(_ctlStockpile& control) {
    auto* lists = control.UserControl().findArray<ui::RWListView>("rwlvStockpile");
    if (lists != nullptr) {
        for (int index : lists->indexes()) {
            if ((*lists)[index].Visible()) {
                return (*lists)[index];
            }
        }
    }
    fail("The stock pile shows no list");
}

QAbstractItemView& widgetOf(DemoSession& session, ui::RWListView& list) {
    QWidget* widget = session.window().stockpileView()->widgetFor(list);
    auto* view = qobject_cast<QAbstractItemView*>(widget);
    if (view == nullptr && widget != nullptr) {
        view = widget->findChild<QAbstractItemView*>();
    }
    if (view == nullptr) {
        fail("The stock pile's list has no widget");
    }
    return *view;
}

QModelIndex indexOf(ui::RWListView& list, QAbstractItemView& view, const std::string& name) {
    for (int i = 1; i <= list.itemCount(); ++i) {
        if (list.item(i).text == name) {
            return view.model()->index(i - 1, 0);
        }
    }
    fail("The stock pile does not list " + name);
}

void click(QWidget& widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(widget.mapToGlobal(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
}

} // namespace

DrawingCanvas& openDrawing(DemoSession& session, int64_t diagramId) {
    QListWidget* drawings = session.window().drawings();
    for (int row = 0; row < drawings->count(); ++row) {
        QListWidgetItem* item = drawings->item(row);
        if (item->data(Qt::UserRole).toLongLong() == diagramId) {
            drawings->setCurrentItem(item);
            emit drawings->itemActivated(item);
            if (DrawingCanvas* canvas = session.window().drawingArea()->canvasOf(diagramId)) {
                return *canvas;
            }
            fail("The drawing " + std::to_string(diagramId) + " did not open");
        }
    }
    fail("The workspace has no drawing " + std::to_string(diagramId));
}

bool dragOntoCanvas(DemoSession& session, const std::vector<std::string>& names, DrawingCanvas& canvas,
                    QPoint at) {
    ui::RWListView& list = shownList(session.control());
    QAbstractItemView& view = widgetOf(session, list);
    QModelIndexList dragged;
    QItemSelection selection;
    for (const std::string& name : names) {
        const QModelIndex index = indexOf(list, view, name);
        dragged << index;
        selection.select(index, index);
    }
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);

    // What the list's drag does: the control hears that the drag starts, the drag carries the list's data.
    list.raiseOLEStartDrag();
    const std::unique_ptr<QMimeData> data(view.model()->mimeData(dragged));
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QWidget* target = canvas.viewport();
    QDragEnterEvent enter(at, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    bool dropped = false;
    if (enter.isAccepted()) {
        QDragMoveEvent move(at, offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(at), offered, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        dropped = drop.isAccepted();
    }
    list.raiseOLECompleteDrag(dropped ? 1 : 0);
    return dropped;
}

void drawConnector(DemoSession& session, const std::string& name, DrawingCanvas& canvas,
                   int64_t fromPlacement, int64_t toPlacement) {
    ui::RWListView& list = shownList(session.control());
    QAbstractItemView& view = widgetOf(session, list);
    const QModelIndex index = indexOf(list, view, name);
    view.selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    click(*view.viewport(), view.visualRect(index).center());
    for (const int64_t placement : {fromPlacement, toPlacement}) {
        if (canvas.itemOf(placement) == nullptr) {
            fail("The placement " + std::to_string(placement) + " is not on the drawing");
        }
        click(*canvas.viewport(), canvas.viewPointOf(placement));
    }
}

} // namespace kv380::demo
