#pragma once

#include "model/db/DatabaseError.h"
#include "platform/AutomationError.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kv380::demo {

// The item at a 1-based position of a host collection; outside 1..size error 9.
template <class T> std::shared_ptr<T> itemAt(const std::vector<std::shared_ptr<T>>& items, int32_t lIndex) {
    if (lIndex < 1 || static_cast<std::size_t>(lIndex) > items.size()) {
        throw AutomationError(err::SubscriptOutOfRange, WorkspaceErrorSource,
                              standardDescription(err::SubscriptOutOfRange));
    }
    return items[static_cast<std::size_t>(lIndex) - 1];
}

} // namespace kv380::demo
