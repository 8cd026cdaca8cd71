#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>
#include <memory>
#include <string>

// The host's workspace as the component sees it: organisations, each with views, each presenting objects.
// Every collection is 1-based: Item(i) answers for 1 <= i <= Count() and fails (throws AutomationError)
// outside. Load returns at once; the collection (which also offers IKVEventSource) reports completion later
// as event type 1. Any operation may fail by throwing AutomationError.

namespace kv380 {

class IKVOrganisations;
class IKVOrganisation;
class IKVViews;
class IKVView;
class IKVPresentedObjects;
class IKVPresentedObject;

// The workspace as a whole; the same host object is also its IKVWorkspaceModel.
class KV380_API IKVWorkspace : public virtual HostObject {
public:
    // The workspace's state; 3 means open and ready.
    virtual int32_t Status() = 0;
};

// The workspace's content; the same host object is also its IKVWorkspace.
class KV380_API IKVWorkspaceModel : public virtual HostObject {
public:
    // The workspace's organisations.
    virtual std::shared_ptr<IKVOrganisations> Organisations() = 0;
};

class KV380_API IKVOrganisations : public virtual HostObject {
public:
    // How many organisations are loaded.
    virtual int32_t Count() = 0;
    // The organisation at a 1-based position.
    virtual std::shared_ptr<IKVOrganisation> Item(int32_t lIndex) = 0;
    // Asks the host to (re)load the organisations; completion arrives later as event type 1.
    virtual void Load() = 0;
};

class KV380_API IKVOrganisation : public virtual HostObject {
public:
    // The organisation's display name ("By Plot Area").
    virtual std::string Name() = 0;
    // The organisation's views.
    virtual std::shared_ptr<IKVViews> Views() = 0;
};

class KV380_API IKVViews : public virtual HostObject {
public:
    // How many views are loaded.
    virtual int32_t Count() = 0;
    // The view at a 1-based position.
    virtual std::shared_ptr<IKVView> Item(int32_t lIndex) = 0;
    // Asks the host to (re)load the views; completion arrives later as event type 1.
    virtual void Load() = 0;
    // Lets the host drop what it loaded; the component unloads before every reload.
    virtual void Unload() = 0;
};

class KV380_API IKVView : public virtual HostObject {
public:
    // The view's display name (a tab caption).
    virtual std::string Name() = 0;
    // The view's identifier, as text; with the organisation's name it keys per-view settings.
    virtual std::string Id() = 0;
    // The objects the view presents.
    virtual std::shared_ptr<IKVPresentedObjects> PresentedObjects() = 0;
    // The diagram class the view stands for ("PFD", "Sim", "PPID").
    virtual std::string DiagramClass() = 0;
    // Points the view at a drawing, so that its objects are those of that diagram.
    virtual void setDiagramID(int32_t lDiagramID) = 0;
};

class KV380_API IKVPresentedObjects : public virtual HostObject {
public:
    // How many objects are loaded.
    virtual int32_t Count() = 0;
    // The object at a 1-based position.
    virtual std::shared_ptr<IKVPresentedObject> Item(int32_t lIndex) = 0;
    // Asks the host to (re)load the objects of the view with that number; completion arrives as event type 1.
    virtual void Load(int32_t iViewNumber) = 0;
};

// An engineering object as a view presents it; the same host object is also its IKVWorkspaceObject.
class KV380_API IKVPresentedObject : public virtual HostObject {
public:
    // The object's identifier (numeric text).
    virtual std::string ObjectId() = 0;
    // The object's tag, shown as its name.
    virtual std::string ObjectKey() = 0;
    // The object's type name ("Pipe", "Node", "PipeNode"...).
    virtual std::string ObjectType() = 0;
    // The path of the symbol the object is drawn with by default.
    virtual std::string Symbol() = 0;
    virtual void setSymbol(const std::string& strSymbol) = 0;
    // For a connection: the identifiers of the objects at its two ends ("" when none).
    virtual std::string FromObjectID() = 0;
    virtual std::string ToObjectID() = 0;
    // The object's map reference.
    virtual std::string MapReference() = 0;
    virtual void setMapReference(const std::string& strMapReference) = 0;
    // The path of the symbol the object's mapping gives ("" when none).
    virtual std::string MapSymbol() = 0;
};

// An object of the workspace, as the delete service names it.
class KV380_API IKVWorkspaceObject : public virtual HostObject {
public:
    // The object's identifier (numeric text).
    virtual std::string ObjectId() = 0;
};

} // namespace kv380
