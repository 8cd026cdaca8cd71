#pragma once

#include "host/HostObjectModel.h"
#include "support/FakeEventSource.h"
#include "support/FakePresentedObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace kv380::test {

struct ViewData {
    std::string name{};
    std::string id{};
    std::string diagramClass{};
    // Every DiagramID the component set, in order.
    std::vector<int32_t> diagramIdsSet{};
};

class FakeView : public IKVView {
public:
    FakeView(std::shared_ptr<FakeHostLedger> ledger, const std::string& organisationName, ViewData data);

    std::string Name() override;
    std::string Id() override;
    std::shared_ptr<IKVPresentedObjects> PresentedObjects() override;
    std::string DiagramClass() override;
    void setDiagramID(int32_t lDiagramID) override;

    ViewData& data() { return m_data; }
    const std::shared_ptr<FakePresentedObjects>& objects() const { return m_objects; }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    ViewData m_data;
    std::shared_ptr<FakePresentedObjects> m_objects;
};

// An organisation's views: 1-based, loaded on request, completion on the test's word.
class FakeViews : public IKVViews, public FakeEventSource {
public:
    FakeViews(std::shared_ptr<FakeHostLedger> ledger, std::string organisationName);

    int32_t Count() override;
    std::shared_ptr<IKVView> Item(int32_t lIndex) override;
    void Load() override;
    void Unload() override;

    std::shared_ptr<FakeView> add(ViewData data);
    // Keeps only the first `count` views, as a host whose views were deleted meanwhile.
    void truncate(std::size_t count) {
        if (count < m_items.size()) {
            m_items.resize(count);
        }
    }
    const std::vector<std::shared_ptr<FakeView>>& items() const { return m_items; }
    // The first view of that name, or nothing.
    std::shared_ptr<FakeView> find(const std::string& name) const;

private:
    std::string m_organisationName;
    std::vector<std::shared_ptr<FakeView>> m_items;
};

} // namespace kv380::test
