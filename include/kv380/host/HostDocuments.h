#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <memory>
#include <string>

namespace kv380 {

class DrwDocument;

// The host's record of one drawing: which diagram it shows.
class KV380_API IKVDiagramDocument : public virtual HostObject {
public:
    // The diagram's identifier, as numeric text ("" when the drawing has none).
    virtual std::string DiagramID() = 0;
    // The diagram's class ("PFD", "Sim", "PPID").
    virtual std::string DiagramClass() = 0;
};

// Finds the host's record of a drawing document of the drawing application.
class KV380_API IKVDocumentMap : public virtual HostObject {
public:
    // The host's record of that drawing, or nothing when the host does not know it.
    virtual std::shared_ptr<IKVDiagramDocument>
    FindDocument(const std::shared_ptr<DrwDocument>& document) = 0;
};

} // namespace kv380
