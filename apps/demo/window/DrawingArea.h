#pragma once

#include <QTabWidget>

#include <cstdint>
#include <memory>
#include <string>

namespace kv380 {
class _ctlStockpile;
}

namespace kv380::demo {

class ConnectorTool;
class DemoHost;
class Document;
class DrawingCanvas;
class PlacementEditor;
struct FoundOnDrawings;

// The central area of the drawing application: one tab per open workspace drawing, its canvas, with the
// drawing's name and diagram class in the tab's title. The current tab follows the active drawing, and
// choosing a tab makes its drawing the active one. The area owns the drawing tools the canvases share: the
// placement editor and the connector tool the stock pile starts. A tab's close button closes its drawing
// (placements are in the workspace as soon as they are made: there is nothing to save).
class DrawingArea : public QTabWidget {
    Q_OBJECT
public:
    DrawingArea(DemoHost& host, _ctlStockpile& stockpile, QWidget* parent = nullptr);
    ~DrawingArea() override;

    // Shows the canvas of an open workspace drawing (made the first time) as the current tab; nullptr for a
    // drawing of no workspace diagram.
    DrawingCanvas* showDrawing(const Document& document);
    // The canvas of a diagram, nullptr when its drawing was not opened.
    DrawingCanvas* canvasOf(int64_t diagramId) const;
    DrawingCanvas* currentCanvas() const;
    // What Find on Drawings found: the object's placements are highlighted on every canvas, and the first
    // drawing it is placed on (else the first it belongs to) is opened and made active. The drawing comes
    // forward once the event loop runs again, after the command that found it has ended.
    void showFound(const FoundOnDrawings& found);
    // Places an object of the stock pile on the active drawing, at the centre of its canvas's view, as the
    // stock pile asks when the user presses Enter on it: the same symbol a drop there would give. Without an
    // active workspace drawing it is error 91, which goes back to the stock pile to report.
    void placeOnActiveDrawing(const std::string& objectId, const std::string& tag);
    // Shows every canvas as the workspace holds it now (objects were deleted).
    void reloadAll();
    // Closes the drawing of a tab (its close button): the tab goes, the drawing closes, and the drawing
    // opened most recently of those still open becomes the active one.
    void closeDrawing(int index);

    PlacementEditor& editor() const { return *m_editor; }
    ConnectorTool& connectors() const { return *m_connectors; }

protected:
    // With no drawing open, the area says how to open one.
    void paintEvent(QPaintEvent* event) override;

private:
    void bringForward(int64_t diagramId);

    DemoHost& m_host;
    std::unique_ptr<PlacementEditor> m_editor;
    std::unique_ptr<ConnectorTool> m_connectors;
    bool m_following = false;
};

} // namespace kv380::demo
