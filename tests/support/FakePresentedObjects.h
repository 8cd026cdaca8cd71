#pragma once

#include "host/HostObjectModel.h"
#include "support/FakeEventSource.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kv380::test {

// Every property of a presented object, as a test writes it:
// `.object({.id = "47", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})`.
struct ObjectData {
    std::string id{};
    std::string key{};
    std::string type = "Equipment";
    std::string symbol{};
    std::string fromId{};
    std::string toId{};
    std::string mapReference{};
    std::string mapSymbol{};
};

// A presented object; also the workspace object of the same identifier. Reads and writes through the host
// contracts are logged; data() is the test's unlogged view of the same properties.
class FakePresentedObject : public IKVPresentedObject, public IKVWorkspaceObject {
public:
    FakePresentedObject(std::shared_ptr<FakeHostLedger> ledger, ObjectData data);

    std::string ObjectId() override;
    std::string ObjectKey() override;
    std::string ObjectType() override;
    std::string Symbol() override;
    void setSymbol(const std::string& strSymbol) override;
    std::string FromObjectID() override;
    std::string ToObjectID() override;
    std::string MapReference() override;
    void setMapReference(const std::string& strMapReference) override;
    std::string MapSymbol() override;

    ObjectData& data() { return m_data; }

private:
    const std::string& read(std::string_view operation, const std::string& value);

    std::shared_ptr<FakeHostLedger> m_ledger;
    ObjectData m_data;
};

// A view's objects: 1-based, loaded on request, completion on the test's word (FakeHost::completeLoads).
class FakePresentedObjects : public IKVPresentedObjects, public FakeEventSource {
public:
    // `label` names the collection in the list of pending loads ("PresentedObjects(By Plot Area/PFD)").
    FakePresentedObjects(std::shared_ptr<FakeHostLedger> ledger, std::string label);

    int32_t Count() override;
    std::shared_ptr<IKVPresentedObject> Item(int32_t lIndex) override;
    void Load(int32_t iViewNumber) override;

    std::shared_ptr<FakePresentedObject> add(ObjectData data);
    // Removes every object with that identifier.
    void remove(const std::string& id);
    const std::vector<std::shared_ptr<FakePresentedObject>>& items() const { return m_items; }
    // The first object with that identifier, or nothing.
    std::shared_ptr<FakePresentedObject> find(const std::string& id) const;
    // The view numbers Load was asked for, in order.
    const std::vector<int32_t>& loadRequests() const { return m_loadRequests; }

private:
    std::string m_label;
    std::vector<std::shared_ptr<FakePresentedObject>> m_items;
    std::vector<int32_t> m_loadRequests;
};

} // namespace kv380::test
