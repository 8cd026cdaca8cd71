#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"
#include "platform/hosting/Com.h"

#include <cstdint>
#include <string>

namespace kv380 {

// How a member is called late-bound: as a method, as a property read or as a property assignment.
enum class InvokeKind { Method = 1, PropertyGet = 2, PropertyPut = 4 };

// An object's members reached by name or by dispatch number, the way automation clients call components
// they were not compiled against. Arguments are passed in order; an argument a member takes by reference is
// written back into its place in `args`. Failures throw AutomationError: 438 for a member the object does
// not have (by name, in any letter case, or by number), 13 for an argument of the wrong type, 450 for the
// wrong number of arguments or a property used the wrong way, and the member's own errors as they come.
class KV380_API IDispatchObject : public hosting::IUnknownObject {
public:
    // The dispatch number of a member, its name compared without regard to case.
    virtual int32_t GetIDOfName(const std::string& name) = 0;
    virtual Variant Invoke(int32_t dispId, InvokeKind kind, VariantArray& args) = 0;

    // The same, by name.
    Variant Invoke(const std::string& name, InvokeKind kind, VariantArray& args) {
        return Invoke(GetIDOfName(name), kind, args);
    }

protected:
    ~IDispatchObject() = default;
};

} // namespace kv380
