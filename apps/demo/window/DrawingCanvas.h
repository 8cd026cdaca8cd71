#pragma once

#include "model/db/PlacementTable.h"

#include <QGraphicsView>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class QGraphicsItem;
class QGraphicsScene;

namespace kv380::demo {

class ConnectorTool;
class DemoHost;
class PlacementEditor;

// The canvas of one workspace drawing: the symbols placed on it (each its picture with the object's tag
// under it) and the connectors drawn between them, as the workspace database holds them. It takes the stock
// pile's objects dropped on it, draws a selected symbol with the next symbol on offer on Tab, and passes
// clicks on placed symbols to the connector tool while one is being drawn (Escape cancels it). What fails
// in an event is reported once, and the canvas shows what the workspace holds afterwards.
class DrawingCanvas : public QGraphicsView {
    Q_OBJECT
public:
    DrawingCanvas(DemoHost& host, PlacementEditor& editor, ConnectorTool& connectors, int64_t diagramId,
                  QWidget* parent = nullptr);

    int64_t diagramId() const { return m_diagramId; }
    // Shows the drawing's placements as the workspace holds them now.
    void reload();
    // Marks the placements of an object (nothing: none), and selects them.
    void highlightObject(std::optional<int64_t> objectId);
    // The placements shown, in the order they were made.
    const std::vector<PlacementRow>& placements() const { return m_placements; }
    // The item drawing a placement, or nullptr.
    QGraphicsItem* itemOf(int64_t placementId) const;
    // Where a placement's symbol is in the view's own coordinates (for a click on it).
    QPoint viewPointOf(int64_t placementId) const;
    // The placement selected, when exactly one symbol is.
    std::optional<int64_t> selectedPlacement() const;

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::optional<int64_t> placementUnder(QPoint viewPoint) const;

    DemoHost& m_host;
    PlacementEditor& m_editor;
    ConnectorTool& m_connectors;
    int64_t m_diagramId;
    QGraphicsScene* m_scene;
    std::vector<PlacementRow> m_placements;
    std::map<int64_t, QGraphicsItem*> m_items;
    std::optional<int64_t> m_highlighted;
};

} // namespace kv380::demo
