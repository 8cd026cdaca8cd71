#include "support/FakePresentedObjects.h"

#include <algorithm>

namespace kv380::test {

FakePresentedObject::FakePresentedObject(std::shared_ptr<FakeHostLedger> ledger, ObjectData data)
    : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

const std::string& FakePresentedObject::read(std::string_view operation, const std::string& value) {
    m_ledger->enter(operation);
    return value;
}

std::string FakePresentedObject::ObjectId() {
    return read("PresentedObject.ObjectId", m_data.id);
}
std::string FakePresentedObject::ObjectKey() {
    return read("PresentedObject.ObjectKey", m_data.key);
}
std::string FakePresentedObject::ObjectType() {
    return read("PresentedObject.ObjectType", m_data.type);
}
std::string FakePresentedObject::Symbol() {
    return read("PresentedObject.Symbol", m_data.symbol);
}
std::string FakePresentedObject::FromObjectID() {
    return read("PresentedObject.FromObjectID", m_data.fromId);
}
std::string FakePresentedObject::ToObjectID() {
    return read("PresentedObject.ToObjectID", m_data.toId);
}
std::string FakePresentedObject::MapReference() {
    return read("PresentedObject.MapReference", m_data.mapReference);
}
std::string FakePresentedObject::MapSymbol() {
    return read("PresentedObject.MapSymbol", m_data.mapSymbol);
}

void FakePresentedObject::setSymbol(const std::string& strSymbol) {
    m_ledger->enter("PresentedObject.setSymbol");
    m_data.symbol = strSymbol;
}

void FakePresentedObject::setMapReference(const std::string& strMapReference) {
    m_ledger->enter("PresentedObject.setMapReference");
    m_data.mapReference = strMapReference;
}

FakePresentedObjects::FakePresentedObjects(std::shared_ptr<FakeHostLedger> ledger, std::string label)
    : FakeEventSource(std::move(ledger), "PresentedObjects"), m_label(std::move(label)) {}

int32_t FakePresentedObjects::Count() {
    ledger()->enter("PresentedObjects.Count");
    return static_cast<int32_t>(m_items.size());
}

std::shared_ptr<IKVPresentedObject> FakePresentedObjects::Item(int32_t lIndex) {
    ledger()->enter("PresentedObjects.Item");
    if (lIndex < 1 || lIndex > static_cast<int32_t>(m_items.size())) {
        kv380::raise(err::SubscriptOutOfRange, "FakeHost");
    }
    return m_items[static_cast<std::size_t>(lIndex - 1)];
}

void FakePresentedObjects::Load(int32_t iViewNumber) {
    ledger()->enter("PresentedObjects.Load");
    m_loadRequests.push_back(iViewNumber);
    requestLoadCompletion(m_label);
}

std::shared_ptr<FakePresentedObject> FakePresentedObjects::add(ObjectData data) {
    m_items.push_back(std::make_shared<FakePresentedObject>(ledger(), std::move(data)));
    return m_items.back();
}

void FakePresentedObjects::remove(const std::string& id) {
    std::erase_if(m_items, [&](const auto& item) { return item->data().id == id; });
}

std::shared_ptr<FakePresentedObject> FakePresentedObjects::find(const std::string& id) const {
    auto it =
        std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) { return item->data().id == id; });
    return it == m_items.end() ? nullptr : *it;
}

} // namespace kv380::test
