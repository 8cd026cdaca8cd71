#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/workspace/EventSource.h"
#include "model/workspace/Organisations.h"

#include <cstdint>
#include <memory>

namespace kv380::demo {

// The workspace: both its IKVWorkspace and its IKVWorkspaceModel, with the source of its events
// (1 configured, 2 closed, 3 opened).
class Workspace : public IKVWorkspace, public IKVWorkspaceModel {
public:
    static constexpr int32_t Closed = 0;
    static constexpr int32_t Open = 3;

    explicit Workspace(std::shared_ptr<HostContext> context);

    // 3 while the workspace is open, 0 otherwise.
    int32_t Status() override;
    // The workspace's organisations.
    std::shared_ptr<IKVOrganisations> Organisations() override;

    const std::shared_ptr<EventSource>& events() const { return m_events; }
    const std::shared_ptr<kv380::demo::Organisations>& organisations() const { return m_organisations; }

    // Status 3, then event 3 to the subscribers.
    void open();
    // Status 0 and the organisations dropped, then event 2.
    void close();
    // Event 1: the workspace's configuration changed.
    void configure();

private:
    int32_t m_status = Closed;
    std::shared_ptr<EventSource> m_events;
    std::shared_ptr<kv380::demo::Organisations> m_organisations;
};

} // namespace kv380::demo
