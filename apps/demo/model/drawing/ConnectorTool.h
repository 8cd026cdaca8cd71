#pragma once

#include "model/db/PlacementTable.h"
#include "model/drawing/ConnectorCommand.h"

#include <cstdint>
#include <optional>

namespace kv380 {
class _ctlStockpile;
}

namespace kv380::demo {

class DemoHost;

// The drawing application's connector tool. The stock pile starts it with a connector command when the user
// clicks a connection object drawn with a connector symbol; the next two clicks on symbols placed on one
// drawing draw the connector from the first to the second. The connector is kept as a placement of the
// connection object with its two ends, and the stock pile describes it in the status bar. Cancelling (the
// Escape key) ends the tool without drawing.
//
// While it lives, the tool takes the application's connector commands (DrawingApplication::
// onConnectorStarted).
class ConnectorTool {
public:
    ConnectorTool(DemoHost& host, _ctlStockpile& stockpile);
    ~ConnectorTool();
    ConnectorTool(const ConnectorTool&) = delete;
    ConnectorTool& operator=(const ConnectorTool&) = delete;

    // Whether a connector is being drawn.
    bool active() const { return m_command.has_value(); }
    // The placement the connector starts from, once chosen.
    std::optional<int64_t> firstEnd() const { return m_first; }

    // Starts drawing the connector of a command; a connector already begun is given up.
    void start(const ConnectorCommand& command);
    // A click on a placed symbol: the first end, or the second one, which draws the connector, ends the tool
    // and answers the connector's placement. A click on the first end again, on a connector, or while the
    // tool is not active changes nothing; a click on another drawing than the first end's starts there again.
    // A failing question to the stock pile reaches the caller, the connector drawn all the same.
    std::optional<PlacementRow> click(int64_t placementId);
    // Ends the tool without drawing; the status bar says so when a connector was being drawn.
    void cancel();

private:
    void say(const std::string& text);
    std::string describe(int64_t objectId, const std::string& endObject);

    DemoHost& m_host;
    _ctlStockpile& m_stockpile;
    std::optional<ConnectorCommand> m_command;
    std::optional<int64_t> m_first;
};

} // namespace kv380::demo
