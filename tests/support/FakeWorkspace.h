#pragma once

#include "host/HostObjectModel.h"
#include "support/FakeEventSource.h"
#include "support/FakeViews.h"

#include <memory>
#include <string>
#include <vector>

namespace kv380::test {

class FakeOrganisation : public IKVOrganisation {
public:
    FakeOrganisation(std::shared_ptr<FakeHostLedger> ledger, std::string name);

    std::string Name() override;
    std::shared_ptr<IKVViews> Views() override;

    std::string& name() { return m_name; }
    const std::shared_ptr<FakeViews>& views() const { return m_views; }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::string m_name;
    std::shared_ptr<FakeViews> m_views;
};

// The workspace's organisations: 1-based, loaded on request, completion on the test's word.
class FakeOrganisations : public IKVOrganisations, public FakeEventSource {
public:
    explicit FakeOrganisations(std::shared_ptr<FakeHostLedger> ledger);

    int32_t Count() override;
    std::shared_ptr<IKVOrganisation> Item(int32_t lIndex) override;
    void Load() override;

    std::shared_ptr<FakeOrganisation> add(std::string name);
    const std::vector<std::shared_ptr<FakeOrganisation>>& items() const { return m_items; }
    // The first organisation of that name, or nothing.
    std::shared_ptr<FakeOrganisation> find(const std::string& name) const;

private:
    std::vector<std::shared_ptr<FakeOrganisation>> m_items;
};

// The workspace: both its IKVWorkspace and its IKVWorkspaceModel.
class FakeWorkspace : public IKVWorkspace, public IKVWorkspaceModel {
public:
    FakeWorkspace(std::shared_ptr<FakeHostLedger> ledger, int32_t status);

    int32_t Status() override;
    std::shared_ptr<IKVOrganisations> Organisations() override;

    int32_t& status() { return m_status; }
    const std::shared_ptr<FakeOrganisations>& organisations() const { return m_organisations; }
    // Every presented object with that identifier, in every view.
    std::vector<std::shared_ptr<FakePresentedObject>> objectsWithId(const std::string& id) const;
    // Removes the objects with that identifier from every view.
    void removeObject(const std::string& id);

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    int32_t m_status;
    std::shared_ptr<FakeOrganisations> m_organisations;
};

} // namespace kv380::test
