#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kv380 {

// An ordered collection of host objects, as the control hands the selection and the dragged objects to
// its host. Items are 1-based.
class KV380_API ObjectCollection : public virtual HostObject {
public:
    // How many objects it holds.
    int32_t Count() const { return static_cast<int32_t>(m_items.size()); }
    // The object at a 1-based position; outside 1..Count it is "subscript out of range" (9).
    std::shared_ptr<HostObject> Item(int32_t lIndex) const;
    // Appends an object.
    void Add(std::shared_ptr<HostObject> object) { m_items.push_back(std::move(object)); }
    // Removes the object at a 1-based position (9 outside 1..Count).
    void Remove(int32_t lIndex);

    const std::vector<std::shared_ptr<HostObject>>& items() const { return m_items; }

private:
    std::vector<std::shared_ptr<HostObject>> m_items;
};

} // namespace kv380
