#include "support/FakeWorkspace.h"

#include <algorithm>

namespace kv380::test {

FakeOrganisation::FakeOrganisation(std::shared_ptr<FakeHostLedger> ledger, std::string name)
    : m_ledger(std::move(ledger)), m_name(std::move(name)),
      m_views(std::make_shared<FakeViews>(m_ledger, m_name)) {}

std::string FakeOrganisation::Name() {
    m_ledger->enter("Organisation.Name");
    return m_name;
}

std::shared_ptr<IKVViews> FakeOrganisation::Views() {
    m_ledger->enter("Organisation.Views");
    return m_views;
}

FakeOrganisations::FakeOrganisations(std::shared_ptr<FakeHostLedger> ledger)
    : FakeEventSource(std::move(ledger), "Organisations") {}

int32_t FakeOrganisations::Count() {
    ledger()->enter("Organisations.Count");
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVOrganisation> FakeOrganisations::Item(int32_t lIndex) {
    ledger()->enter("Organisations.Item");
    if (lIndex < 1 || lIndex > static_cast<int32_t>(m_items.size())) {
        kv380::raise(err::SubscriptOutOfRange, "FakeHost");
    }
    return m_items[static_cast<std::size_t>(lIndex - 1)];
}

void FakeOrganisations::Load() {
    ledger()->enter("Organisations.Load");
    requestLoadCompletion("Organisations");
}

std::shared_ptr<FakeOrganisation> FakeOrganisations::add(std::string name) {
    m_items.push_back(std::make_shared<FakeOrganisation>(ledger(), std::move(name)));
    return m_items.back();
}

std::shared_ptr<FakeOrganisation> FakeOrganisations::find(const std::string& name) const {
    auto it = std::find_if(m_items.begin(), m_items.end(), [&](const auto& o) { return o->name() == name; });
    return it == m_items.end() ? nullptr : *it;
}

FakeWorkspace::FakeWorkspace(std::shared_ptr<FakeHostLedger> ledger, int32_t status)
    : m_ledger(std::move(ledger)), m_status(status),
      m_organisations(std::make_shared<FakeOrganisations>(m_ledger)) {}

int32_t FakeWorkspace::Status() {
    m_ledger->enter("Workspace.Status");
    return m_status;
}

std::shared_ptr<IKVOrganisations> FakeWorkspace::Organisations() {
    m_ledger->enter("WorkspaceModel.Organisations");
    return m_organisations;
}

std::vector<std::shared_ptr<FakePresentedObject>> FakeWorkspace::objectsWithId(const std::string& id) const {
    std::vector<std::shared_ptr<FakePresentedObject>> found;
    for (const auto& organisation : m_organisations->items()) {
        for (const auto& view : organisation->views()->items()) {
            for (const auto& object : view->objects()->items()) {
                if (object->data().id == id) {
                    found.push_back(object);
                }
            }
        }
    }
    return found;
}

void FakeWorkspace::removeObject(const std::string& id) {
    for (const auto& organisation : m_organisations->items()) {
        for (const auto& view : organisation->views()->items()) {
            view->objects()->remove(id);
        }
    }
}

} // namespace kv380::test
