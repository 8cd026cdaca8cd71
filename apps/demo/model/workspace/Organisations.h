#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/workspace/EventSource.h"
#include "model/workspace/Organisation.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace kv380::demo {

// The workspace's organisations: empty until loaded; each load reads the workspace afresh.
class Organisations : public IKVOrganisations,
                      public EventSource,
                      public std::enable_shared_from_this<Organisations> {
public:
    static std::shared_ptr<Organisations> create(std::shared_ptr<HostContext> context);

    // How many organisations the last load gave.
    int32_t Count() override;
    // The organisation at a 1-based position; outside 1..Count error 9.
    std::shared_ptr<IKVOrganisation> Item(int32_t lIndex) override;
    // Returns at once; the organisations are read later and event 1 tells the subscribers.
    void Load() override;

    // Drops the loaded organisations (the workspace closed).
    void unload() { m_items.clear(); }

private:
    explicit Organisations(std::shared_ptr<HostContext> context) : m_context(std::move(context)) {}
    void completeLoad();

    std::shared_ptr<HostContext> m_context;
    std::vector<std::shared_ptr<Organisation>> m_items;
    // Every organisation met so far, by identifier, so that a reload hands out the same objects.
    std::map<int64_t, std::shared_ptr<Organisation>> m_known;
};

} // namespace kv380::demo
