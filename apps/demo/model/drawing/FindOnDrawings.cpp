#include "model/drawing/FindOnDrawings.h"

#include "platform/convert/Convert.h"

#include <sstream>

namespace kv380::demo {

FoundOnDrawings findOnDrawings(WorkspaceDatabase& database, const std::string& statusText) {
    std::istringstream words(statusText);
    std::string browser;
    std::string id;
    words >> browser >> id;
    std::string name;
    std::getline(words >> std::ws, name);
    if (id.empty() || !convert::isNumeric(id)) {
        return {"Find on Drawings: no object given", {}};
    }
    const int64_t objectId = convert::toLong(id);
    const auto drawings = database.diagramsOfObject(objectId);
    const std::string who = name.empty() ? "Object " + id : name;
    if (drawings.empty()) {
        return {who + " is on no drawing", {}, objectId};
    }
    FoundOnDrawings found{who + " is on ", {}, objectId};
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        found.text += (i ? ", " : "") + drawings[i].name;
        found.diagramIds.push_back(drawings[i].id);
    }
    return found;
}

} // namespace kv380::demo
