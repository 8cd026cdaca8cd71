#include "model/drawing/PlacementEditor.h"

#include "control/_ctlStockpile.h"
#include "host/HostObjectModel.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/Document.h"
#include "model/drawing/DrawingApplication.h"
#include "model/drawing/RootRelativePath.h"
#include "platform/AutomationError.h"

#include <charconv>
#include <memory>

namespace kv380::demo {

namespace {

std::vector<PlacementEditor::Object> draggedObjects(_ctlStockpile& stockpile) {
    std::vector<PlacementEditor::Object> objects;
    const auto collection = stockpile.DragDropObject();
    for (int32_t i = 1; collection && i <= collection->Count(); ++i) {
        if (auto object = std::dynamic_pointer_cast<IKVPresentedObject>(collection->Item(i))) {
            objects.push_back({object->ObjectId(), object->ObjectKey()});
        }
    }
    return objects;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// The workspace's identifiers are whole numbers; anything else is a type mismatch.
int64_t objectIdOf(const std::string& id) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), value);
    if (id.empty() || error != std::errc() || end != id.data() + id.size()) {
        throw AutomationError(err::TypeMismatch, DrawingErrorSource, "Not an object identifier: " + id);
    }
    return value;
}

std::string tagOf(WorkspaceDatabase& database, int64_t objectId) {
    const auto object = database.object(objectId);
    return object ? object->tag : "Object " + std::to_string(objectId);
}

} // namespace

std::string PlacementEditor::symbolFile(const PlacementRow& placement) const {
    return resolvedFromRoot(placement.symbol, m_host.symbolRoot());
}

std::vector<PlacementRow> PlacementEditor::placeDraggedObjects(int64_t diagramId, DrawingPoint at) {
    const std::vector<Object> dragged = draggedObjects(m_stockpile);
    if (dragged.empty()) {
        m_host.application()->setStatusBar("Nothing to place: no objects are being dragged");
        return {};
    }
    return placeObjects(diagramId, dragged, at);
}

std::vector<PlacementRow> PlacementEditor::placeObjects(int64_t diagramId, const std::vector<Object>& objects,
                                                        DrawingPoint at) {
    WorkspaceDatabase& database = m_host.database();
    const auto diagram = database.diagram(diagramId);
    if (!diagram) {
        throw AutomationError(err::InvalidProcedureCall, DrawingErrorSource,
                              "The workspace has no drawing " + std::to_string(diagramId));
    }
    // The stock pile answers for the diagram class of the list it shows; a drawing of another class is a
    // conversion, which takes the mapped symbols.
    const bool sameClass = m_stockpile.GetDiagramClass() == diagram->diagramClass;

    std::vector<DrawingPoint> taken;
    for (const auto& placed : database.placements().ofDiagram(diagramId)) {
        if (!placed.isConnector()) {
            taken.push_back({placed.x, placed.y});
        }
    }
    std::vector<PlacementRow> made;
    std::vector<std::string> placedTags;
    std::vector<std::string> ownSymbolTags;
    std::vector<std::string> skippedTags;
    for (const Object& object : objects) {
        std::string symbol;
        bool ownSymbol = sameClass;
        if (!sameClass) {
            std::string serverId = object.id;
            const std::string mapped = m_stockpile.GetMappedSymbol(diagram->diagramClass, serverId);
            if (!mapped.empty()) {
                symbol = resolvedFromRoot(mapped, m_host.symbolRoot());
            } else {
                ownSymbol = true;
                ownSymbolTags.push_back(object.tag);
            }
        }
        if (ownSymbol && !m_stockpile.GetObjectSymbol(object.id, symbol, false)) {
            symbol.clear();
        }
        if (symbol.empty()) {
            skippedTags.push_back(object.tag);
            continue;
        }
        const DrawingPoint spot = dropPositions(at, 1, taken).front();
        PlacementRow row;
        row.diagramId = diagramId;
        row.objectId = objectIdOf(object.id);
        row.symbol = relativeToRoot(symbol, m_host.symbolRoot());
        row.x = spot.x;
        row.y = spot.y;
        made.push_back(database.placements().add(row));
        taken.push_back(spot);
        // The next object goes to the right of this one.
        at = {spot.x + CellWidth, spot.y};
        placedTags.push_back(object.tag);
    }

    std::string status = placedTags.empty() ? std::string("Nothing placed on ") + diagram->name
                                            : "Placed " + joined(placedTags) + " on " + diagram->name;
    if (!ownSymbolTags.empty()) {
        status += "; no " + diagram->diagramClass + " symbol is mapped for " + joined(ownSymbolTags) +
                  ", drawn with its own";
    }
    if (!skippedTags.empty()) {
        status += "; no symbol for " + joined(skippedTags);
    }
    m_host.application()->setStatusBar(status);
    return made;
}

std::optional<PlacementRow> PlacementEditor::swapForNextSymbol(int64_t placementId) {
    WorkspaceDatabase& database = m_host.database();
    auto placement = database.placements().find(placementId);
    if (!placement || placement->isConnector()) {
        return std::nullopt;
    }
    const auto active = m_host.application()->documents()->active();
    if (!active || active->diagramId() != placement->diagramId) {
        m_host.openDiagram(placement->diagramId);
    }
    const std::string next =
        m_stockpile.GetNextObjectSymbol(std::to_string(placement->objectId), symbolFile(*placement));
    const std::string tag = tagOf(database, placement->objectId);
    if (next.empty()) {
        m_host.application()->setStatusBar(tag + ": no alternative symbol");
        return std::nullopt;
    }
    placement->symbol = relativeToRoot(next, m_host.symbolRoot());
    database.placements().setSymbol(placementId, placement->symbol);
    m_host.application()->setStatusBar(tag + " drawn with " + placement->symbol);
    return placement;
}

} // namespace kv380::demo
