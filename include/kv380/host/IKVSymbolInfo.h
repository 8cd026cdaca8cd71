#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kv380 {

class DrwPlacedSymbol;

// Reads what the drawing application knows about a placed symbol. Created by the component through
// createSymbolInfo (HostServices.h).
class KV380_API IKVSymbolInfo : public virtual HostObject {
public:
    // Reads the placed symbol; the other operations answer for it.
    virtual void ReadSymbol(const std::shared_ptr<DrwPlacedSymbol>& symbol) = 0;
    // The symbol's behaviour code: 3 starts a connector, 11 is an expansion symbol.
    virtual int32_t Behaviour() = 0;
    // For an expansion symbol: the object type it expands into.
    virtual std::string ExpansionTargetClass() = 0;
};

} // namespace kv380
