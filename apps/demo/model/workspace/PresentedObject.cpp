#include "model/workspace/PresentedObject.h"

#include <utility>

namespace kv380::demo {

namespace {
std::string idText(const std::optional<int64_t>& id) {
    return id ? std::to_string(*id) : std::string();
}
} // namespace

PresentedObject::PresentedObject(std::shared_ptr<HostContext> context, ObjectRow row)
    : m_context(std::move(context)), m_row(std::move(row)) {}

std::string PresentedObject::ObjectId() {
    return std::to_string(m_row.id);
}

std::string PresentedObject::ObjectKey() {
    return m_row.tag;
}

std::string PresentedObject::ObjectType() {
    return m_row.type;
}

std::string PresentedObject::Symbol() {
    return m_row.symbol;
}

void PresentedObject::setSymbol(const std::string& strSymbol) {
    m_context->database().setSymbol(m_row.id, strSymbol);
    m_row.symbol = strSymbol;
}

std::string PresentedObject::FromObjectID() {
    return idText(m_row.fromId);
}

std::string PresentedObject::ToObjectID() {
    return idText(m_row.toId);
}

std::string PresentedObject::MapReference() {
    return m_row.mapReference;
}

void PresentedObject::setMapReference(const std::string& strMapReference) {
    m_context->database().setMapReference(m_row.id, strMapReference);
    m_row.mapReference = strMapReference;
}

std::string PresentedObject::MapSymbol() {
    return m_row.mapSymbol;
}

} // namespace kv380::demo
