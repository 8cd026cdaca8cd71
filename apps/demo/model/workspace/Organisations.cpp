#include "model/workspace/Organisations.h"

#include "model/workspace/ItemAt.h"

namespace kv380::demo {

std::shared_ptr<Organisations> Organisations::create(std::shared_ptr<HostContext> context) {
    return std::shared_ptr<Organisations>(new Organisations(std::move(context)));
}

int32_t Organisations::Count() {
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVOrganisation> Organisations::Item(int32_t lIndex) {
    return itemAt(m_items, lIndex);
}

void Organisations::Load() {
    completeLoadLater(m_context->poster("Organisations.Load"), weak_from_this(), [this] { completeLoad(); });
}

void Organisations::completeLoad() {
    std::vector<std::shared_ptr<Organisation>> items;
    for (const auto& row : m_context->database().organisations()) {
        auto& known = m_known[row.id];
        if (known) {
            known->refresh(row);
        } else {
            known = std::make_shared<Organisation>(m_context, row);
        }
        items.push_back(known);
    }
    m_items = std::move(items);
    raiseEvent(1);
}

} // namespace kv380::demo
