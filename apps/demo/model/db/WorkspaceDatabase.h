#pragma once

#include "model/db/PlacementTable.h"
#include "model/db/SqliteConnection.h"
#include "model/db/WorkspaceRows.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv380::demo {

// The workspace database of the demo host: organisations, views, objects and drawings, in the tables
// examples/plant.sql creates. Every read goes to the file, so edits made meanwhile show on the next load.
// Failures throw AutomationError.
class WorkspaceDatabase {
public:
    // Opens an existing workspace database; one made before drawings kept their placements gets the table
    // for them.
    explicit WorkspaceDatabase(const std::string& path);

    const std::string& path() const { return m_path; }

    // The organisations, in their order.
    std::vector<OrganisationRow> organisations();
    // An organisation's views, in their order.
    std::vector<ViewRow> views(int64_t organisationId);
    // The objects a view presents, in identifier order.
    std::vector<ObjectRow> objectsOfView(int64_t viewId);
    // The objects placed on a drawing, in identifier order.
    std::vector<ObjectRow> objectsOfDiagram(int64_t diagramId);
    // One object, or nothing when the workspace has none with that identifier.
    std::optional<ObjectRow> object(int64_t objectId);

    // The drawings, in identifier order; one drawing, or nothing.
    std::vector<DiagramRow> diagrams();
    std::optional<DiagramRow> diagram(int64_t diagramId);
    // The drawings an object is placed on, in identifier order.
    std::vector<DiagramRow> diagramsOfObject(int64_t objectId);

    // Writes one property of an object. An object that is no longer there is error 5.
    void setSymbol(int64_t objectId, const std::string& symbol);
    void setMapReference(int64_t objectId, const std::string& mapReference);

    // Deletes the objects, with their view and drawing memberships and their placements, all or none;
    // connectors drawn to a deleted placement go with it. Connections that ended at one of them lose that
    // end. Answers how many objects were deleted (identifiers not there are skipped).
    int deleteObjects(const std::vector<int64_t>& objectIds);

    // The symbols placed on the drawings.
    PlacementTable placements() { return PlacementTable(m_connection); }

    // A value of the meta table, or nothing.
    std::optional<std::string> meta(const std::string& key);
    void setMeta(const std::string& key, const std::string& value);

    SqliteConnection& connection() { return m_connection; }

private:
    std::vector<ObjectRow> objectsWhere(const char* sql, int64_t key);
    void setObjectText(const char* sql, int64_t objectId, const std::string& value);

    std::string m_path;
    SqliteConnection m_connection;
};

} // namespace kv380::demo
