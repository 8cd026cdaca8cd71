#include "window/DrawingCanvas.h"

#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/ConnectorTool.h"
#include "model/drawing/DropLayout.h"
#include "model/drawing/PlacementEditor.h"
#include "platform/fs/NativePath.h"
#include "qt/ListDrag.h"
#include "qt/SlotGuard.h"
#include "window/PlacementItem.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <unordered_map>

namespace kv380::demo {

namespace {

bool carriesStockpileObjects(const QMimeData* data) {
    return data != nullptr && data->hasFormat(QString::fromLatin1(qt::StockpileObjectsMimeType));
}

int64_t placementIdOf(const QGraphicsItem* item) {
    if (const auto* symbol = dynamic_cast<const PlacementItem*>(item)) {
        return symbol->placementId();
    }
    if (const auto* connector = dynamic_cast<const ConnectorItem*>(item)) {
        return connector->placementId();
    }
    return 0;
}

void highlight(QGraphicsItem* item, bool on) {
    if (auto* symbol = dynamic_cast<PlacementItem*>(item)) {
        symbol->setHighlighted(on);
    } else if (auto* connector = dynamic_cast<ConnectorItem*>(item)) {
        connector->setHighlighted(on);
    }
}

} // namespace

DrawingCanvas::DrawingCanvas(DemoHost& host, PlacementEditor& editor, ConnectorTool& connectors,
                             int64_t diagramId, QWidget* parent)
    : QGraphicsView(parent), m_host(host), m_editor(editor), m_connectors(connectors), m_diagramId(diagramId),
      m_scene(new QGraphicsScene(this)) {
    m_scene->setSceneRect(0, 0, SheetWidth, SheetHeight);
    setScene(m_scene);
    setAcceptDrops(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackgroundBrush(QColor(200, 203, 208));
    setRenderHint(QPainter::Antialiasing);
    setDragMode(QGraphicsView::RubberBandDrag);
    setFocusPolicy(Qt::StrongFocus);
    reload();
}

void DrawingCanvas::reload() {
    const std::optional<int64_t> selected = selectedPlacement();
    m_items.clear();
    m_scene->clear();
    auto* sheet =
        m_scene->addRect(QRectF(0, 0, SheetWidth, SheetHeight), QPen(Qt::darkGray), QBrush(Qt::white));
    sheet->setZValue(-1);

    WorkspaceDatabase& database = m_host.database();
    m_placements = database.placements().ofDiagram(m_diagramId);
    std::unordered_map<int64_t, QString> tags;
    const auto tagOf = [&](int64_t objectId) {
        auto [it, fresh] = tags.try_emplace(objectId);
        if (fresh) {
            const auto object = database.object(objectId);
            it->second = QString::fromStdString(object ? object->tag : "Object " + std::to_string(objectId));
        }
        return it->second;
    };
    std::unordered_map<int64_t, QPointF> centres;
    for (const PlacementRow& placement : m_placements) {
        if (placement.isConnector()) {
            continue;
        }
        const QString file = QString::fromStdString(fs::toNativePath(m_editor.symbolFile(placement)));
        auto* item = new PlacementItem(placement.id, symbolPicture(file), tagOf(placement.objectId));
        item->setPos(placement.x, placement.y);
        item->setHighlighted(m_highlighted == placement.objectId);
        m_scene->addItem(item);
        m_items[placement.id] = item;
        centres[placement.id] = item->pos();
    }
    for (const PlacementRow& placement : m_placements) {
        if (!placement.isConnector()) {
            continue;
        }
        const auto from = centres.find(*placement.fromPlacement);
        const auto to = centres.find(*placement.toPlacement);
        if (from == centres.end() || to == centres.end()) {
            continue; // an end on another drawing: not drawn here
        }
        auto* item = new ConnectorItem(placement.id, from->second, to->second, tagOf(placement.objectId));
        item->setHighlighted(m_highlighted == placement.objectId);
        m_scene->addItem(item);
        m_items[placement.id] = item;
    }
    if (selected) {
        if (QGraphicsItem* item = itemOf(*selected)) {
            item->setSelected(true);
        }
    }
}

void DrawingCanvas::highlightObject(std::optional<int64_t> objectId) {
    m_highlighted = objectId;
    m_scene->clearSelection();
    QGraphicsItem* first = nullptr;
    for (const PlacementRow& placement : m_placements) {
        QGraphicsItem* item = itemOf(placement.id);
        if (item == nullptr) {
            continue;
        }
        const bool on = objectId && placement.objectId == *objectId;
        highlight(item, on);
        item->setSelected(on);
        if (on && first == nullptr) {
            first = item;
        }
    }
    if (first != nullptr) {
        ensureVisible(first);
    }
}

QGraphicsItem* DrawingCanvas::itemOf(int64_t placementId) const {
    const auto found = m_items.find(placementId);
    return found == m_items.end() ? nullptr : found->second;
}

QPoint DrawingCanvas::viewPointOf(int64_t placementId) const {
    const QGraphicsItem* item = itemOf(placementId);
    return item == nullptr ? QPoint() : mapFromScene(item->pos());
}

std::optional<int64_t> DrawingCanvas::selectedPlacement() const {
    const auto selected = m_scene->selectedItems();
    if (selected.size() != 1) {
        return std::nullopt;
    }
    const int64_t id = placementIdOf(selected.front());
    return id ? std::optional<int64_t>(id) : std::nullopt;
}

std::optional<int64_t> DrawingCanvas::placementUnder(QPoint viewPoint) const {
    for (QGraphicsItem* item : items(viewPoint)) {
        if (const auto* symbol = dynamic_cast<const PlacementItem*>(item)) {
            return symbol->placementId();
        }
    }
    return std::nullopt;
}

bool DrawingCanvas::event(QEvent* event) {
    // Tab on a selected symbol belongs to the drawing (the next symbol), not to the focus chain.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && selectedPlacement()) {
            keyPressEvent(key);
            return true;
        }
    }
    return QGraphicsView::event(event);
}

void DrawingCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (carriesStockpileObjects(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DrawingCanvas::dragMoveEvent(QDragMoveEvent* event) {
    if (carriesStockpileObjects(event->mimeData())) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DrawingCanvas::dropEvent(QDropEvent* event) {
    if (!carriesStockpileObjects(event->mimeData())) {
        event->ignore();
        return;
    }
    const QPointF at = mapToScene(event->position().toPoint());
    std::size_t placed = 0;
    qt::guardSlot("DrawingCanvas::dropEvent", [&] {
        placed = m_editor
                     .placeDraggedObjects(m_diagramId,
                                          {static_cast<int32_t>(at.x()), static_cast<int32_t>(at.y())})
                     .size();
    });
    qt::guardSlot("DrawingCanvas::reload", [&] { reload(); });
    if (placed > 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_connectors.active()) {
        if (const auto placement = placementUnder(event->position().toPoint())) {
            bool drawn = false;
            qt::guardSlot("DrawingCanvas::mousePressEvent",
                          [&] { drawn = m_connectors.click(*placement).has_value(); });
            if (drawn) {
                qt::guardSlot("DrawingCanvas::reload", [&] { reload(); });
            }
            event->accept();
            return;
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void DrawingCanvas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_connectors.active()) {
        qt::guardSlot("DrawingCanvas::keyPressEvent", [&] { m_connectors.cancel(); });
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab) {
        const auto selected = selectedPlacement();
        if (selected) {
            bool swapped = false;
            qt::guardSlot("DrawingCanvas::keyPressEvent",
                          [&] { swapped = m_editor.swapForNextSymbol(*selected).has_value(); });
            if (swapped) {
                qt::guardSlot("DrawingCanvas::reload", [&] { reload(); });
            }
        }
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

} // namespace kv380::demo
