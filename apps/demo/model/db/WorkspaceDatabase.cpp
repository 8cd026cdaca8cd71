#include "model/db/WorkspaceDatabase.h"

#include "model/db/DatabaseError.h"
#include "model/db/SqliteStatement.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

namespace {

constexpr const char* ObjectColumns =
    "o.id, o.tag, o.type, o.symbol, o.from_id, o.to_id, o.map_reference, o.map_symbol, o.description";

ObjectRow readObject(const SqliteStatement& row) {
    ObjectRow object;
    object.id = row.integer(0);
    object.tag = row.text(1);
    object.type = row.text(2);
    object.symbol = row.text(3);
    if (!row.isNull(4)) {
        object.fromId = row.integer(4);
    }
    if (!row.isNull(5)) {
        object.toId = row.integer(5);
    }
    object.mapReference = row.text(6);
    object.mapSymbol = row.text(7);
    object.description = row.text(8);
    return object;
}

std::vector<DiagramRow> readDiagrams(SqliteStatement& query) {
    std::vector<DiagramRow> rows;
    while (query.step()) {
        rows.push_back({query.integer(0), query.text(1), query.text(2)});
    }
    return rows;
}

} // namespace

WorkspaceDatabase::WorkspaceDatabase(const std::string& path)
    : m_path(path), m_connection(path, SqliteConnection::Mode::OpenExisting) {
    PlacementTable::ensureIn(m_connection);
}

std::vector<OrganisationRow> WorkspaceDatabase::organisations() {
    SqliteStatement query(m_connection.handle(), "SELECT id, name FROM organisations ORDER BY position, id");
    std::vector<OrganisationRow> rows;
    while (query.step()) {
        rows.push_back({query.integer(0), query.text(1)});
    }
    return rows;
}

std::vector<ViewRow> WorkspaceDatabase::views(int64_t organisationId) {
    SqliteStatement query(m_connection.handle(), "SELECT id, name, diagram_class, follows_diagram FROM views "
                                                 "WHERE organisation_id = ?1 ORDER BY position, id");
    query.bind(1, organisationId);
    std::vector<ViewRow> rows;
    while (query.step()) {
        rows.push_back({query.integer(0), query.text(1), query.text(2), query.integer(3) != 0});
    }
    return rows;
}

std::vector<ObjectRow> WorkspaceDatabase::objectsWhere(const char* sql, int64_t key) {
    SqliteStatement query(m_connection.handle(), sql);
    query.bind(1, key);
    std::vector<ObjectRow> rows;
    while (query.step()) {
        rows.push_back(readObject(query));
    }
    return rows;
}

std::vector<ObjectRow> WorkspaceDatabase::objectsOfView(int64_t viewId) {
    static const std::string sql = std::string("SELECT ") + ObjectColumns +
                                   " FROM objects o JOIN view_objects m ON m.object_id = o.id "
                                   "WHERE m.view_id = ?1 ORDER BY o.id";
    return objectsWhere(sql.c_str(), viewId);
}

std::vector<ObjectRow> WorkspaceDatabase::objectsOfDiagram(int64_t diagramId) {
    static const std::string sql = std::string("SELECT ") + ObjectColumns +
                                   " FROM objects o JOIN diagram_objects m ON m.object_id = o.id "
                                   "WHERE m.diagram_id = ?1 ORDER BY o.id";
    return objectsWhere(sql.c_str(), diagramId);
}

std::optional<ObjectRow> WorkspaceDatabase::object(int64_t objectId) {
    static const std::string sql = std::string("SELECT ") + ObjectColumns + " FROM objects o WHERE o.id = ?1";
    auto rows = objectsWhere(sql.c_str(), objectId);
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front();
}

std::vector<DiagramRow> WorkspaceDatabase::diagrams() {
    SqliteStatement query(m_connection.handle(), "SELECT id, name, diagram_class FROM diagrams ORDER BY id");
    return readDiagrams(query);
}

std::optional<DiagramRow> WorkspaceDatabase::diagram(int64_t diagramId) {
    SqliteStatement query(m_connection.handle(),
                          "SELECT id, name, diagram_class FROM diagrams WHERE id = ?1");
    query.bind(1, diagramId);
    auto rows = readDiagrams(query);
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front();
}

std::vector<DiagramRow> WorkspaceDatabase::diagramsOfObject(int64_t objectId) {
    SqliteStatement query(
        m_connection.handle(),
        "SELECT d.id, d.name, d.diagram_class FROM diagrams d "
        "JOIN diagram_objects m ON m.diagram_id = d.id WHERE m.object_id = ?1 ORDER BY d.id");
    query.bind(1, objectId);
    return readDiagrams(query);
}

void WorkspaceDatabase::setObjectText(const char* sql, int64_t objectId, const std::string& value) {
    SqliteStatement update(m_connection.handle(), sql);
    update.bind(1, value).bind(2, objectId).run();
    if (m_connection.changes() == 0) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The object " + std::to_string(objectId) + " is no longer in the workspace");
    }
}

void WorkspaceDatabase::setSymbol(int64_t objectId, const std::string& symbol) {
    setObjectText("UPDATE objects SET symbol = ?1 WHERE id = ?2", objectId, symbol);
}

void WorkspaceDatabase::setMapReference(int64_t objectId, const std::string& mapReference) {
    setObjectText("UPDATE objects SET map_reference = ?1 WHERE id = ?2", objectId, mapReference);
}

int WorkspaceDatabase::deleteObjects(const std::vector<int64_t>& objectIds) {
    Transaction transaction(m_connection);
    SqliteStatement remove(m_connection.handle(), "DELETE FROM objects WHERE id = ?1");
    int deleted = 0;
    for (int64_t id : objectIds) {
        remove.reset();
        remove.bind(1, id).run();
        deleted += m_connection.changes();
    }
    transaction.commit();
    return deleted;
}

std::optional<std::string> WorkspaceDatabase::meta(const std::string& key) {
    SqliteStatement query(m_connection.handle(), "SELECT value FROM meta WHERE key = ?1");
    query.bind(1, key);
    if (!query.step()) {
        return std::nullopt;
    }
    return query.text(0);
}

void WorkspaceDatabase::setMeta(const std::string& key, const std::string& value) {
    SqliteStatement update(m_connection.handle(), "INSERT INTO meta (key, value) VALUES (?1, ?2) "
                                                  "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
    update.bind(1, key).bind(2, value).run();
}

} // namespace kv380::demo
