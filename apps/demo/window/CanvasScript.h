#pragma once

#include <QPoint>

#include <cstdint>
#include <string>
#include <vector>

namespace kv380::demo {

class DemoSession;
class DrawingCanvas;

// The demo's drawings driven as a user drives them, step by step, for the tests and for pictures of the
// demo. Each step goes through the same handling a user's input reaches; failures of that handling are
// reported as for a user, and a step that cannot be taken at all (a name not listed) throws
// AutomationError.

// Opens a workspace drawing as a double-click on it in the list of drawings does, and answers its canvas.
DrawingCanvas& openDrawing(DemoSession& session, int64_t diagramId);

// Drags the objects of those names from the list the stock pile shows onto a canvas, dropped at a point of
// the canvas's viewport: they are selected in the list, the list's drag starts (the control hears of it and
// keeps them as its drag-drop objects), the canvas gets the drag's enter, move and drop events with the
// list's own drag data, and the drag completes. Answers whether the canvas took the drop. Offscreen a real
// drag returns at once, so the drag's events are delivered here instead of by the platform.
bool dragOntoCanvas(DemoSession& session, const std::vector<std::string>& names, DrawingCanvas& canvas,
                    QPoint at);

// Clicks a listed object with the left button, as a user does: for a connection drawn with a connector
// symbol the stock pile starts the connector tool. Then clicks the two placed symbols on the canvas.
void drawConnector(DemoSession& session, const std::string& name, DrawingCanvas& canvas,
                   int64_t fromPlacement, int64_t toPlacement);

} // namespace kv380::demo
