#include "host/ObjectCollection.h"

#include "platform/AutomationError.h"

namespace kv380 {

std::shared_ptr<HostObject> ObjectCollection::Item(int32_t lIndex) const {
    if (lIndex < 1 || lIndex > Count()) {
        raise(err::SubscriptOutOfRange);
    }
    return m_items[static_cast<std::size_t>(lIndex - 1)];
}

void ObjectCollection::Remove(int32_t lIndex) {
    if (lIndex < 1 || lIndex > Count()) {
        raise(err::SubscriptOutOfRange);
    }
    m_items.erase(m_items.begin() + (lIndex - 1));
}

} // namespace kv380
