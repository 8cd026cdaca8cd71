#include "model/drawing/ConnectorTool.h"

#include "control/_ctlStockpile.h"
#include "model/DemoHost.h"
#include "model/db/WorkspaceDatabase.h"
#include "model/drawing/DrawingApplication.h"
#include "model/drawing/RootRelativePath.h"

namespace kv380::demo {

ConnectorTool::ConnectorTool(DemoHost& host, _ctlStockpile& stockpile)
    : m_host(host), m_stockpile(stockpile) {
    m_host.application()->onConnectorStarted = [this](const ConnectorCommand& command) { start(command); };
}

ConnectorTool::~ConnectorTool() {
    m_host.application()->onConnectorStarted = nullptr;
}

void ConnectorTool::say(const std::string& text) {
    m_host.application()->setStatusBar(text);
}

// The stock pile's description of the connection, seen from one end ("" for both ends); the tag alone when
// the stock pile does not list the connection (another view is shown by now).
std::string ConnectorTool::describe(int64_t objectId, const std::string& endObject) {
    const std::string info = m_stockpile.GetConnectionInfo(std::to_string(objectId), endObject);
    if (!info.empty()) {
        return info;
    }
    const auto object = m_host.database().object(objectId);
    return object ? object->tag : "Object " + std::to_string(objectId);
}

void ConnectorTool::start(const ConnectorCommand& command) {
    m_command = command;
    m_first.reset();
    const auto object = m_host.database().object(command.objectId);
    const std::string tag = object ? object->tag : "Object " + std::to_string(command.objectId);
    say(tag + ": click the symbol the connector starts from (Esc cancels)");
}

std::optional<PlacementRow> ConnectorTool::click(int64_t placementId) {
    if (!m_command) {
        return std::nullopt;
    }
    auto placements = m_host.database().placements();
    const auto clicked = placements.find(placementId);
    if (!clicked || clicked->isConnector() || clicked->id == m_first) {
        return std::nullopt;
    }
    const auto first = m_first ? placements.find(*m_first) : std::nullopt;
    if (!first || first->diagramId != clicked->diagramId) {
        m_first = clicked->id;
        say(describe(m_command->objectId, std::to_string(clicked->objectId)) +
            ": click the symbol it goes to (Esc cancels)");
        return std::nullopt;
    }
    PlacementRow connector;
    connector.diagramId = clicked->diagramId;
    connector.objectId = m_command->objectId;
    connector.symbol = relativeToRoot(m_command->symbol, m_host.symbolRoot());
    connector.x = first->x + (clicked->x - first->x) / 2;
    connector.y = first->y + (clicked->y - first->y) / 2;
    connector.fromPlacement = first->id;
    connector.toPlacement = clicked->id;
    connector = placements.add(connector);
    const int64_t objectId = m_command->objectId;
    m_command.reset();
    m_first.reset();
    say(describe(objectId, ""));
    return connector;
}

void ConnectorTool::cancel() {
    if (!m_command) {
        return;
    }
    m_command.reset();
    m_first.reset();
    say("Connector cancelled");
}

} // namespace kv380::demo
