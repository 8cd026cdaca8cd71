#include "model/workspace/Organisation.h"

namespace kv380::demo {

Organisation::Organisation(std::shared_ptr<HostContext> context, const OrganisationRow& row)
    : m_id(row.id), m_name(row.name), m_views(kv380::demo::Views::create(std::move(context), row.id)) {}

std::string Organisation::Name() {
    return m_name;
}

std::shared_ptr<IKVViews> Organisation::Views() {
    return m_views;
}

} // namespace kv380::demo
