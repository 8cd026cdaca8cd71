#include "window/DrawingArea.h"

#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/ConnectorTool.h"
#include "model/drawing/Document.h"
#include "model/drawing/Documents.h"
#include "model/drawing/DrawingApplication.h"
#include "model/drawing/FindOnDrawings.h"
#include "model/drawing/PlacementEditor.h"
#include "platform/AutomationError.h"
#include "qt/SlotGuard.h"
#include "window/DrawingCanvas.h"

#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace kv380::demo {

DrawingArea::DrawingArea(DemoHost& host, _ctlStockpile& stockpile, QWidget* parent)
    : QTabWidget(parent), m_host(host), m_editor(std::make_unique<PlacementEditor>(host, stockpile)),
      m_connectors(std::make_unique<ConnectorTool>(host, stockpile)) {
    setDocumentMode(true);
    setTabsClosable(true);
    connect(this, &QTabWidget::tabCloseRequested, this, &DrawingArea::closeDrawing);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        auto* canvas = qobject_cast<DrawingCanvas*>(widget(index));
        if (canvas == nullptr || m_following) {
            return;
        }
        qt::guardSlot("DrawingArea::currentChanged", [&] { m_host.openDiagram(canvas->diagramId()); });
    });
}

DrawingArea::~DrawingArea() {
    // The canvases use the tools: they go first.
    while (count() > 0) {
        QWidget* page = widget(0);
        removeTab(0);
        delete page;
    }
}

DrawingCanvas* DrawingArea::canvasOf(int64_t diagramId) const {
    for (int i = 0; i < count(); ++i) {
        auto* canvas = qobject_cast<DrawingCanvas*>(widget(i));
        if (canvas != nullptr && canvas->diagramId() == diagramId) {
            return canvas;
        }
    }
    return nullptr;
}

DrawingCanvas* DrawingArea::currentCanvas() const {
    return qobject_cast<DrawingCanvas*>(currentWidget());
}

DrawingCanvas* DrawingArea::showDrawing(const Document& document) {
    if (!document.diagramId()) {
        return nullptr;
    }
    DrawingCanvas* canvas = canvasOf(*document.diagramId());
    m_following = true;
    if (canvas == nullptr) {
        canvas = new DrawingCanvas(m_host, *m_editor, *m_connectors, *document.diagramId(), this);
        const QString title =
            QString::fromStdString(document.info().name + " (" + document.info().diagramClass + ")");
        addTab(canvas, title);
        setTabToolTip(indexOf(canvas), title);
    }
    setCurrentWidget(canvas);
    m_following = false;
    return canvas;
}

void DrawingArea::placeOnActiveDrawing(const std::string& objectId, const std::string& tag) {
    const auto active = m_host.application()->documents()->active();
    DrawingCanvas* canvas = active ? showDrawing(*active) : nullptr;
    if (canvas == nullptr) {
        throw AutomationError(err::ObjectNotSet, DrawingErrorSource,
                              "No drawing is active: double-click a drawing to place " + tag + " on it");
    }
    const QPointF centre = canvas->mapToScene(canvas->viewport()->rect().center());
    m_editor->placeObjects(*active->diagramId(), {{objectId, tag}},
                           {static_cast<int32_t>(centre.x()), static_cast<int32_t>(centre.y())});
    canvas->reload();
}

void DrawingArea::showFound(const FoundOnDrawings& found) {
    if (!found.objectId) {
        return;
    }
    const auto placements = m_host.database().placements().ofObject(*found.objectId);
    for (int i = 0; i < count(); ++i) {
        if (auto* canvas = qobject_cast<DrawingCanvas*>(widget(i))) {
            canvas->highlightObject(found.objectId);
        }
    }
    std::optional<int64_t> forward;
    if (!placements.empty()) {
        forward = placements.front().diagramId;
    } else if (!found.diagramIds.empty()) {
        forward = found.diagramIds.front();
    }
    if (!forward) {
        return;
    }
    // The command that found it is still running inside the stock pile's menu: the drawing becomes active
    // (which the stock pile hears of) once that has ended.
    QPointer<DrawingArea> self(this);
    const int64_t objectId = *found.objectId;
    QTimer::singleShot(0, this, [self, diagramId = *forward, objectId] {
        if (self) {
            self->bringForward(diagramId);
            if (DrawingCanvas* canvas = self->canvasOf(diagramId)) {
                canvas->highlightObject(objectId);
            }
        }
    });
}

void DrawingArea::bringForward(int64_t diagramId) {
    qt::guardSlot("DrawingArea::bringForward", [&] { m_host.openDiagram(diagramId); });
}

void DrawingArea::closeDrawing(int index) {
    auto* canvas = qobject_cast<DrawingCanvas*>(widget(index));
    if (canvas == nullptr) {
        return;
    }
    const int64_t diagramId = canvas->diagramId();
    // The tab goes first, without making its neighbour active: closing the drawing chooses which is.
    m_following = true;
    removeTab(index);
    m_following = false;
    canvas->deleteLater();
    qt::guardSlot("DrawingArea::closeDrawing", [&] {
        std::shared_ptr<Document> document;
        for (const auto& open : m_host.application()->documents()->open()) {
            if (open->diagramId() == diagramId) {
                document = open;
            }
        }
        if (document) {
            document->Close(false);
        }
    });
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QTabWidget::paintEvent(event);
    if (count() == 0) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Double-click a drawing in the list to open it, then drag objects from the "
                            "Stockpile onto it"));
    }
}

void DrawingArea::reloadAll() {
    for (int i = 0; i < count(); ++i) {
        if (auto* canvas = qobject_cast<DrawingCanvas*>(widget(i))) {
            qt::guardSlot("DrawingArea::reloadAll", [&] { canvas->reload(); });
        }
    }
}

} // namespace kv380::demo
