#pragma once

#include "model/ForwardingErrorReporter.h"

#include <QMainWindow>

#include <cstdint>
#include <vector>

class QAction;
class QDockWidget;
class QListWidget;

namespace kv380 {
class _ctlStockpile;
namespace qt {
class FormView;
}
} // namespace kv380

namespace kv380::demo {

class DemoHost;
class DrawingArea;

// The main window playing the drawing application: the workspace's drawings in the middle (their list
// and the open drawings' canvases), the
// "Stockpile" dock hosting the stock pile control and the "Symbol Library" dock, a status bar for the
// application's texts and the error reports. The docks back the host's dialog bars.
class DemoWindow : public QMainWindow {
    Q_OBJECT
public:
    DemoWindow(DemoHost& host, _ctlStockpile& control, QWidget* parent = nullptr);
    ~DemoWindow() override;

    QDockWidget* stockpileDock() const { return m_stockpileDock; }
    QDockWidget* symbolLibraryDock() const { return m_libraryDock; }
    qt::FormView* stockpileView() const { return m_stockpileView; }
    // Shows an error report in the status bar.
    void showReport(const ErrorReportEntry& report);
    // The list of the workspace's drawings.
    QListWidget* drawings() const { return m_drawings; }
    // The open drawings' canvases, beside the list.
    DrawingArea* drawingArea() const { return m_drawingArea; }
    // Selects the drawings of those diagrams in the list (what Find on Drawings found).
    void highlightDrawings(const std::vector<int64_t>& diagrams);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildDocks();
    void buildDrawings();
    void buildMenus();
    void connectHost();
    // Opens a workspace diagram's drawing; the stock pile hears that it became active.
    void activateDiagram(int64_t diagramId);
    void markActiveDrawing();

    DemoHost& m_host;
    _ctlStockpile& m_control;
    qt::FormView* m_stockpileView{nullptr};
    QDockWidget* m_stockpileDock{nullptr};
    QDockWidget* m_libraryDock{nullptr};
    QListWidget* m_drawings{nullptr};
    DrawingArea* m_drawingArea{nullptr};
};

} // namespace kv380::demo
