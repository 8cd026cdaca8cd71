#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv380::demo {

class SqliteConnection;

// One symbol placed on a drawing, or a connector drawn between two placed symbols.
struct PlacementRow {
    int64_t id = 0;
    int64_t diagramId = 0;
    int64_t objectId = 0;
    // The symbol file, relative to the symbol root when it lies below it ("Pumps\Centrifugal.sym"), so that
    // the drawings keep their pictures when the examples move.
    std::string symbol{};
    // The centre of the symbol's picture (for a connector: the middle of its line), in drawing units.
    int32_t x = 0;
    int32_t y = 0;
    // A connector's two ends: the placements it joins.
    std::optional<int64_t> fromPlacement{};
    std::optional<int64_t> toPlacement{};

    bool isConnector() const { return fromPlacement.has_value() && toPlacement.has_value(); }
};

// The placements of the workspace's drawings, in the workspace database's "placements" table. A placement
// goes with its drawing, with its object, and (for a connector) with either of its ends; placing an object
// on a drawing also makes the object one of the drawing's objects. Failures throw AutomationError.
class PlacementTable {
public:
    explicit PlacementTable(SqliteConnection& connection) : m_connection(connection) {}

    // Adds the table to a workspace database that has none (a file made before drawings kept placements).
    static void ensureIn(SqliteConnection& connection);

    // Stores a new placement and answers it with its identifier. An unknown drawing, object or end is
    // error 51 (the workspace refuses it).
    PlacementRow add(PlacementRow row);
    // A drawing's placements, in the order they were made.
    std::vector<PlacementRow> ofDiagram(int64_t diagramId);
    // An object's placements on every drawing, by drawing, then in the order they were made.
    std::vector<PlacementRow> ofObject(int64_t objectId);
    // One placement, or nothing when there is none (any more).
    std::optional<PlacementRow> find(int64_t placementId);
    // Draws a placement with another symbol. A placement that is gone is error 5.
    void setSymbol(int64_t placementId, const std::string& symbol);

private:
    std::vector<PlacementRow> rowsWhere(const char* sql, int64_t key);

    SqliteConnection& m_connection;
};

} // namespace kv380::demo
