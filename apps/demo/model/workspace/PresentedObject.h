#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/db/WorkspaceRows.h"

#include <memory>
#include <string>

namespace kv380::demo {

// An object as a view presents it, read when the view's objects were loaded; also the workspace object of
// the same identifier. The two writable properties go to the database at once.
class PresentedObject : public IKVPresentedObject, public IKVWorkspaceObject {
public:
    PresentedObject(std::shared_ptr<HostContext> context, ObjectRow row);

    // The identifier, as numeric text.
    std::string ObjectId() override;
    // The tag ("P-101").
    std::string ObjectKey() override;
    // The type name ("Pump", "Pipe", "Node"...).
    std::string ObjectType() override;
    // The symbol path as the workspace holds it.
    std::string Symbol() override;
    // Stores a new symbol path in the workspace; an object deleted meanwhile is error 5.
    void setSymbol(const std::string& strSymbol) override;
    // The identifiers of the objects at a connection's ends, "" where there is none.
    std::string FromObjectID() override;
    std::string ToObjectID() override;
    // The map reference; storing it writes the workspace.
    std::string MapReference() override;
    void setMapReference(const std::string& strMapReference) override;
    // The symbol the object's mapping gives, "" when none.
    std::string MapSymbol() override;

    const ObjectRow& row() const { return m_row; }

private:
    std::shared_ptr<HostContext> m_context;
    ObjectRow m_row;
};

} // namespace kv380::demo
