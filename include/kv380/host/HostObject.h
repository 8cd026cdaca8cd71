#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kv380 {

// Every object a host hands out is a HostObject, so that an untyped reference ("any object") can be kept and
// later used as one of the contracts the object implements: `as<IKVDwgApp>(object)` (a failed cast is 13).
// Contracts derive from it virtually because one host object may implement several of them.
class KV380_API HostObject {
public:
    virtual ~HostObject() = default;
};

// One element of an argument array passed between the component and a host (event arguments, the datasheet
// launcher's arrays): nothing, a Boolean, a 32-bit number, a double, a text or an object.
using Variant = std::variant<std::monostate, bool, int32_t, double, std::string, std::shared_ptr<HostObject>>;
using VariantArray = std::vector<Variant>;

} // namespace kv380
