#include "model/services/Datasheet.h"

#include "model/db/DatabaseError.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

Datasheet datasheetOf(WorkspaceDatabase& database, int64_t objectId) {
    const auto object = database.object(objectId);
    if (!object) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The workspace has no object " + std::to_string(objectId));
    }
    auto idText = [](const std::optional<int64_t>& id) { return id ? std::to_string(*id) : std::string(); };
    std::string drawings;
    for (const auto& diagram : database.diagramsOfObject(objectId)) {
        drawings += (drawings.empty() ? "" : ", ") + diagram.name;
    }
    return {objectId,
            object->tag + " (" + object->type + ")",
            {{"Identifier", std::to_string(object->id)},
             {"Tag", object->tag},
             {"Type", object->type},
             {"Description", object->description},
             {"Symbol", object->symbol},
             {"From", idText(object->fromId)},
             {"To", idText(object->toId)},
             {"Map reference", object->mapReference},
             {"Map symbol", object->mapSymbol},
             {"Drawings", drawings}}};
}

} // namespace kv380::demo
