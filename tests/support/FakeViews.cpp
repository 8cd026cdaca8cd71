#include "support/FakeViews.h"

#include <algorithm>

namespace kv380::test {

FakeView::FakeView(std::shared_ptr<FakeHostLedger> ledger, const std::string& organisationName, ViewData data)
    : m_ledger(std::move(ledger)), m_data(std::move(data)),
      m_objects(std::make_shared<FakePresentedObjects>(m_ledger, "PresentedObjects(" + organisationName +
                                                                     "/" + m_data.name + ")")) {}

std::string FakeView::Name() {
    m_ledger->enter("View.Name");
    return m_data.name;
}

std::string FakeView::Id() {
    m_ledger->enter("View.Id");
    return m_data.id;
}

std::shared_ptr<IKVPresentedObjects> FakeView::PresentedObjects() {
    m_ledger->enter("View.PresentedObjects");
    return m_objects;
}

std::string FakeView::DiagramClass() {
    m_ledger->enter("View.DiagramClass");
    return m_data.diagramClass;
}

void FakeView::setDiagramID(int32_t lDiagramID) {
    m_ledger->enter("View.setDiagramID");
    m_data.diagramIdsSet.push_back(lDiagramID);
}

FakeViews::FakeViews(std::shared_ptr<FakeHostLedger> ledger, std::string organisationName)
    : FakeEventSource(std::move(ledger), "Views"), m_organisationName(std::move(organisationName)) {}

int32_t FakeViews::Count() {
    ledger()->enter("Views.Count");
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVView> FakeViews::Item(int32_t lIndex) {
    ledger()->enter("Views.Item");
    if (lIndex < 1 || lIndex > static_cast<int32_t>(m_items.size())) {
        kv380::raise(err::SubscriptOutOfRange, "FakeHost");
    }
    return m_items[static_cast<std::size_t>(lIndex - 1)];
}

void FakeViews::Load() {
    ledger()->enter("Views.Load");
    requestLoadCompletion("Views(" + m_organisationName + ")");
}

void FakeViews::Unload() {
    ledger()->enter("Views.Unload");
}

std::shared_ptr<FakeView> FakeViews::add(ViewData data) {
    m_items.push_back(std::make_shared<FakeView>(ledger(), m_organisationName, std::move(data)));
    return m_items.back();
}

std::shared_ptr<FakeView> FakeViews::find(const std::string& name) const {
    auto it =
        std::find_if(m_items.begin(), m_items.end(), [&](const auto& v) { return v->data().name == name; });
    return it == m_items.end() ? nullptr : *it;
}

} // namespace kv380::test
