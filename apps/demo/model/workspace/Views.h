#pragma once

#include "host/HostObjectModel.h"
#include "model/HostContext.h"
#include "model/workspace/EventSource.h"
#include "model/workspace/View.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace kv380::demo {

// An organisation's views: empty until loaded; each load reads the workspace afresh.
class Views : public IKVViews, public EventSource, public std::enable_shared_from_this<Views> {
public:
    static std::shared_ptr<Views> create(std::shared_ptr<HostContext> context, int64_t organisationId);

    // How many views the last load gave (0 after Unload).
    int32_t Count() override;
    // The view at a 1-based position; outside 1..Count error 9.
    std::shared_ptr<IKVView> Item(int32_t lIndex) override;
    // Returns at once; the views are read later and event 1 tells the subscribers.
    void Load() override;
    // Drops the loaded views; Count is 0 until the next load completes.
    void Unload() override;

private:
    Views(std::shared_ptr<HostContext> context, int64_t organisationId)
        : m_context(std::move(context)), m_organisationId(organisationId) {}
    void completeLoad();

    std::shared_ptr<HostContext> m_context;
    int64_t m_organisationId;
    std::vector<std::shared_ptr<View>> m_items;
    // Every view met so far, by identifier, so that a reload hands out the same view objects.
    std::map<int64_t, std::shared_ptr<View>> m_known;
};

} // namespace kv380::demo
