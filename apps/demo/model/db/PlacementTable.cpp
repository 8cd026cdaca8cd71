#include "model/db/PlacementTable.h"

#include "model/db/DatabaseError.h"
#include "model/db/SqliteConnection.h"
#include "model/db/SqliteStatement.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

namespace {

constexpr const char* Columns = "id, diagram_id, object_id, symbol, x, y, from_placement, to_placement";

PlacementRow readPlacement(const SqliteStatement& row) {
    PlacementRow placement;
    placement.id = row.integer(0);
    placement.diagramId = row.integer(1);
    placement.objectId = row.integer(2);
    placement.symbol = row.text(3);
    placement.x = static_cast<int32_t>(row.integer(4));
    placement.y = static_cast<int32_t>(row.integer(5));
    if (!row.isNull(6)) {
        placement.fromPlacement = row.integer(6);
    }
    if (!row.isNull(7)) {
        placement.toPlacement = row.integer(7);
    }
    return placement;
}

void bindOptional(SqliteStatement& statement, int index, const std::optional<int64_t>& value) {
    if (value) {
        statement.bind(index, *value);
    } else {
        statement.bindNull(index);
    }
}

} // namespace

void PlacementTable::ensureIn(SqliteConnection& connection) {
    SqliteStatement tables(
        connection.handle(),
        "SELECT count(*), count(CASE WHEN name = 'placements' THEN 1 END) FROM sqlite_master "
        "WHERE type = 'table'");
    // An empty database is not a workspace yet: whoever fills it adds the table with the rest.
    if (!tables.step() || tables.integer(0) == 0 || tables.integer(1) > 0) {
        return;
    }
    // Two programs may open the same older file at once: each statement holds if the other came first.
    // The indexes on the ends keep deleting a placement from scanning the whole table for its connectors.
    connection.exec("CREATE TABLE IF NOT EXISTS placements ("
                    "  id             INTEGER PRIMARY KEY,"
                    "  diagram_id     INTEGER NOT NULL REFERENCES diagrams (id) ON DELETE CASCADE,"
                    "  object_id      INTEGER NOT NULL REFERENCES objects (id) ON DELETE CASCADE,"
                    "  symbol         TEXT NOT NULL,"
                    "  x              INTEGER NOT NULL,"
                    "  y              INTEGER NOT NULL,"
                    "  from_placement INTEGER REFERENCES placements (id) ON DELETE CASCADE,"
                    "  to_placement   INTEGER REFERENCES placements (id) ON DELETE CASCADE);"
                    "CREATE INDEX IF NOT EXISTS placements_of_diagram ON placements (diagram_id);"
                    "CREATE INDEX IF NOT EXISTS placements_of_object ON placements (object_id);"
                    "CREATE INDEX IF NOT EXISTS placements_from ON placements (from_placement);"
                    "CREATE INDEX IF NOT EXISTS placements_to ON placements (to_placement);",
                    "cannot add the placements table to the workspace database");
}

PlacementRow PlacementTable::add(PlacementRow row) {
    Transaction transaction(m_connection);
    SqliteStatement insert(m_connection.handle(),
                           "INSERT INTO placements (diagram_id, object_id, symbol, x, y, from_placement, "
                           "to_placement) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) RETURNING id");
    insert.bind(1, row.diagramId).bind(2, row.objectId).bind(3, row.symbol);
    insert.bind(4, int64_t{row.x}).bind(5, int64_t{row.y});
    bindOptional(insert, 6, row.fromPlacement);
    bindOptional(insert, 7, row.toPlacement);
    if (!insert.step()) {
        raiseDatabaseError(m_connection.handle(), "cannot store a placement");
    }
    row.id = insert.integer(0);
    insert.run();
    SqliteStatement member(m_connection.handle(),
                           "INSERT OR IGNORE INTO diagram_objects (diagram_id, object_id) VALUES (?1, ?2)");
    member.bind(1, row.diagramId).bind(2, row.objectId).run();
    transaction.commit();
    return row;
}

std::vector<PlacementRow> PlacementTable::rowsWhere(const char* sql, int64_t key) {
    SqliteStatement query(m_connection.handle(), sql);
    query.bind(1, key);
    std::vector<PlacementRow> rows;
    while (query.step()) {
        rows.push_back(readPlacement(query));
    }
    return rows;
}

std::vector<PlacementRow> PlacementTable::ofDiagram(int64_t diagramId) {
    static const std::string sql =
        std::string("SELECT ") + Columns + " FROM placements WHERE diagram_id = ?1 ORDER BY id";
    return rowsWhere(sql.c_str(), diagramId);
}

std::vector<PlacementRow> PlacementTable::ofObject(int64_t objectId) {
    static const std::string sql =
        std::string("SELECT ") + Columns + " FROM placements WHERE object_id = ?1 ORDER BY diagram_id, id";
    return rowsWhere(sql.c_str(), objectId);
}

std::optional<PlacementRow> PlacementTable::find(int64_t placementId) {
    static const std::string sql = std::string("SELECT ") + Columns + " FROM placements WHERE id = ?1";
    auto rows = rowsWhere(sql.c_str(), placementId);
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front();
}

void PlacementTable::setSymbol(int64_t placementId, const std::string& symbol) {
    SqliteStatement update(m_connection.handle(), "UPDATE placements SET symbol = ?1 WHERE id = ?2");
    update.bind(1, symbol).bind(2, placementId).run();
    if (m_connection.changes() == 0) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The placement " + std::to_string(placementId) +
                                  " is no longer on its drawing");
    }
}

} // namespace kv380::demo
