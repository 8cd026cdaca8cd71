#include "model/workspace/Views.h"

#include "model/workspace/ItemAt.h"

namespace kv380::demo {

std::shared_ptr<Views> Views::create(std::shared_ptr<HostContext> context, int64_t organisationId) {
    return std::shared_ptr<Views>(new Views(std::move(context), organisationId));
}

int32_t Views::Count() {
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVView> Views::Item(int32_t lIndex) {
    return itemAt(m_items, lIndex);
}

void Views::Load() {
    completeLoadLater(m_context->poster("Views.Load"), weak_from_this(), [this] { completeLoad(); });
}

void Views::Unload() {
    m_items.clear();
}

void Views::completeLoad() {
    std::vector<std::shared_ptr<View>> items;
    for (const auto& row : m_context->database().views(m_organisationId)) {
        auto& known = m_known[row.id];
        if (known) {
            known->refresh(row);
        } else {
            known = std::make_shared<View>(m_context, row);
        }
        items.push_back(known);
    }
    m_items = std::move(items);
    raiseEvent(1);
}

} // namespace kv380::demo
