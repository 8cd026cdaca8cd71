#include "window/DemoWindow.h"

#include "control/_ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/DrawingApplication.h"
#include "model/library/SymbolLibrary.h"
#include "model/services/OutsideServices.h"
#include "model/workspace/DwgApp.h"
#include "platform/registry/RegistryApi.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/SlotGuard.h"
#include "window/DatasheetWindow.h"
#include "window/DockBarSurface.h"
#include "window/DrawingArea.h"
#include "window/SymbolLibraryPanel.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>

#include <algorithm>

namespace kv380::demo {

namespace {

constexpr int DiagramIdRole = Qt::UserRole;

// Where the user chooses how datasheets open: "Type" 0 is the workspace's own datasheet editor, anything
// else (or nothing) the datasheet launcher.
const std::string kDatasheetEditorKey =
    "Software\\Velmarck\\Corvane\\38.0\\VIVarurava\\Settings\\DatasheetEditor";
const std::string kDatasheetEditorValue = "Type";

bool usesWorkspaceDatasheetEditor() {
    registry::HKEY key = 0;
    if (registry::RegOpenKeyExA(registry::HKEY_CURRENT_USER, kDatasheetEditorKey.c_str(), 0,
                                registry::KEY_READ, &key) != registry::ERROR_SUCCESS) {
        return false;
    }
    uint32_t type = 1;
    registry::DWORD valueType = 0;
    registry::DWORD size = sizeof type;
    const bool read = registry::RegQueryValueExA(key, kDatasheetEditorValue.c_str(), nullptr, &valueType,
                                                 reinterpret_cast<registry::BYTE*>(&type),
                                                 &size) == registry::ERROR_SUCCESS;
    registry::RegCloseKey(key);
    return read && valueType == registry::REG_DWORD && size == sizeof type && type == 0;
}

void chooseDatasheetEditor(bool workspaceEditor) {
    registry::HKEY key = 0;
    if (registry::RegCreateKeyExA(registry::HKEY_CURRENT_USER, kDatasheetEditorKey.c_str(), 0, nullptr,
                                  registry::REG_OPTION_NON_VOLATILE, registry::KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr) != registry::ERROR_SUCCESS) {
        return;
    }
    const uint32_t type = workspaceEditor ? 0 : 1;
    registry::RegSetValueExA(key, kDatasheetEditorValue.c_str(), 0, registry::REG_DWORD,
                             reinterpret_cast<const registry::BYTE*>(&type), sizeof type);
    registry::RegCloseKey(key);
}

} // namespace

DemoWindow::DemoWindow(DemoHost& host, _ctlStockpile& control, QWidget* parent)
    : QMainWindow(parent), m_host(host), m_control(control) {
    setWindowTitle("KV380 Stock Pile - demo drawing application");
    buildDrawings();
    buildDocks();
    buildMenus();
    connectHost();
    statusBar()->showMessage("Opening the workspace...");
}

DemoWindow::~DemoWindow() {
    // The host outlives the window: nothing it calls may reach the window any more.
    m_host.application()->onStatusText = nullptr;
    m_host.application()->onFound = nullptr;
    m_host.application()->documents()->onActivated = nullptr;
    m_host.services()->onShowDatasheet = nullptr;
    m_host.services()->onDeleted = nullptr;
    m_control.setPlaceObjectHook(nullptr);
    m_host.stockpileBar()->setSurface(nullptr);
    m_host.symbolLibraryBar()->setSurface(nullptr);
    m_stockpileView->detach();
}

void DemoWindow::buildDrawings() {
    m_drawings = new QListWidget(this);
    for (const auto& diagram : m_host.database().diagrams()) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(diagram.name + "   (" + diagram.diagramClass + ")"), m_drawings);
        item->setData(DiagramIdRole, QVariant::fromValue<qlonglong>(diagram.id));
    }
    m_drawings->setToolTip("Double-click a drawing to open it and make it the active one");
    connect(m_drawings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { activateDiagram(item->data(DiagramIdRole).toLongLong()); });
    m_drawingArea = new DrawingArea(m_host, m_control);
    auto* centre = new QSplitter(Qt::Horizontal, this);
    centre->addWidget(m_drawings);
    centre->addWidget(m_drawingArea);
    centre->setStretchFactor(1, 1);
    centre->setSizes({200, 760});
    setCentralWidget(centre);
}

void DemoWindow::buildDocks() {
    m_stockpileDock = new QDockWidget(StockpileBarTitle, this);
    m_stockpileDock->setObjectName("StockpileDock");
    m_stockpileView = new qt::FormView(m_control.UserControl(), m_stockpileDock);
    // The dock never makes the panel smaller than its layout needs (the host's sizing call keeps the same
    // minimum, in device-independent pixels, so on dense screens as well).
    m_stockpileView->setMinimumSize(240, 100);
    m_stockpileDock->setWidget(m_stockpileView);
    addDockWidget(Qt::BottomDockWidgetArea, m_stockpileDock);

    m_libraryDock = new QDockWidget(SymbolLibraryBarTitle, this);
    m_libraryDock->setObjectName("SymbolLibraryDock");
    m_libraryDock->setWidget(
        new SymbolLibraryPanel(*m_host.symbolLibrary(), m_host.symbolRoot(), m_libraryDock));
    addDockWidget(Qt::LeftDockWidgetArea, m_libraryDock);

    m_host.stockpileBar()->setSurface(std::make_shared<DockBarSurface>(m_stockpileDock));
    m_host.symbolLibraryBar()->setSurface(std::make_shared<DockBarSurface>(m_libraryDock));
    resize(1200, 800);
    resizeDocks({m_stockpileDock}, {360}, Qt::Vertical);
    resizeDocks({m_libraryDock}, {240}, Qt::Horizontal);
}

void DemoWindow::buildMenus() {
    QMenu* workspace = menuBar()->addMenu("&Workspace");
    workspace->addAction("&Open", this, [this] { m_host.openWorkspaceLater(); });
    workspace->addAction("&Close", this, [this] { m_host.closeWorkspaceLater(); });
    workspace->addSeparator();
    workspace->addAction("E&xit", this, &QWidget::close);

    QMenu* view = menuBar()->addMenu("&View");
    view->addAction(m_stockpileDock->toggleViewAction());
    view->addAction(m_libraryDock->toggleViewAction());

    QMenu* options = menuBar()->addMenu("&Options");
    QAction* editor = options->addAction("Datasheets in the workspace's &editor");
    editor->setCheckable(true);
    editor->setChecked(usesWorkspaceDatasheetEditor());
    connect(editor, &QAction::toggled, this, [](bool on) { chooseDatasheetEditor(on); });
}

void DemoWindow::connectHost() {
    auto& application = *m_host.application();
    application.onStatusText = [this](const std::string& text) {
        statusBar()->showMessage(QString::fromStdString(text));
    };
    application.documents()->onActivated = [this](const std::shared_ptr<Document>& drawing) {
        markActiveDrawing();
        m_drawingArea->showDrawing(*drawing);
        if (drawing->diagramId()) {
            // The host tells the control from its own event handling: what fails is reported, not thrown.
            qt::guardSlot("DemoWindow::DocumentActivated", [&] {
                m_control.DocumentActivated(drawing->info().diagramClass,
                                            std::to_string(*drawing->diagramId()));
            });
        }
    };
    application.onFound = [this](const FoundOnDrawings& found) {
        highlightDrawings(found.diagramIds);
        m_drawingArea->showFound(found);
    };
    m_host.services()->onShowDatasheet = [this](const Datasheet& sheet) {
        auto* window = new DatasheetWindow(sheet, this);
        window->show();
        window->raise();
    };
    m_host.services()->onDeleted = [this](const std::vector<int64_t>& ids) {
        statusBar()->showMessage(QString("Deleted %1 object(s) from the workspace").arg(ids.size()));
        // Their placements went with them.
        m_drawingArea->reloadAll();
    };
    // Enter on an object in the stock pile: the object goes on the active drawing, at its view's centre,
    // with the symbol a drop would give it. What fails (no drawing active, the workspace refusing the write)
    // goes back to the control, which reports it.
    m_control.setPlaceObjectHook([this](const std::shared_ptr<IKVPresentedObject>& object) {
        m_drawingArea->placeOnActiveDrawing(deref(object).ObjectId(), object->ObjectKey());
    });
}

void DemoWindow::activateDiagram(int64_t diagramId) {
    qt::guardSlot("DemoWindow::activateDiagram", [&] { m_host.openDiagram(diagramId); });
}

void DemoWindow::markActiveDrawing() {
    const auto active = m_host.application()->documents()->active();
    for (int row = 0; row < m_drawings->count(); ++row) {
        QListWidgetItem* item = m_drawings->item(row);
        QFont font = item->font();
        font.setBold(active && active->diagramId() == item->data(DiagramIdRole).toLongLong());
        item->setFont(font);
    }
}

void DemoWindow::highlightDrawings(const std::vector<int64_t>& diagrams) {
    m_drawings->clearSelection();
    for (int row = 0; row < m_drawings->count(); ++row) {
        QListWidgetItem* item = m_drawings->item(row);
        const int64_t id = item->data(DiagramIdRole).toLongLong();
        if (std::find(diagrams.begin(), diagrams.end(), id) != diagrams.end()) {
            item->setSelected(true);
            m_drawings->scrollToItem(item);
        }
    }
}

void DemoWindow::showReport(const ErrorReportEntry& report) {
    statusBar()->showMessage(QString::fromStdString(reportLine(report)));
}

void DemoWindow::closeEvent(QCloseEvent* event) {
    qt::guardSlot("DemoWindow::closeEvent", [&] { m_control.SaveVisibility(); });
    QMainWindow::closeEvent(event);
}

} // namespace kv380::demo
