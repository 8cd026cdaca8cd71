#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/db/WorkspaceRows.h"
#include "model/workspace/Views.h"

#include <memory>
#include <string>

namespace kv380::demo {

// One organisation of the workspace, with its views.
class Organisation : public IKVOrganisation {
public:
    Organisation(std::shared_ptr<HostContext> context, const OrganisationRow& row);

    // The organisation's name ("By Plot Area").
    std::string Name() override;
    // The organisation's views.
    std::shared_ptr<IKVViews> Views() override;

    int64_t id() const { return m_id; }
    // Takes the name of a fresh read of the same organisation.
    void refresh(const OrganisationRow& row) { m_name = row.name; }

private:
    int64_t m_id;
    std::string m_name;
    std::shared_ptr<kv380::demo::Views> m_views;
};

} // namespace kv380::demo
