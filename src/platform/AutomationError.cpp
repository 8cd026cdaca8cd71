#include "platform/AutomationError.h"

#include <utility>

namespace kv380 {

AutomationError::AutomationError(int32_t number, std::string source, std::string description,
                                 std::string helpFile, int32_t helpContext)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
      m_helpFile(std::move(helpFile)), m_helpContext(helpContext) {}

AutomationError AutomationError::fromNumber(int32_t number, std::string source) {
    return AutomationError(number, std::move(source), standardDescription(number));
}

std::string standardDescription(int32_t number) {
    switch (number) {
    case err::InvalidProcedureCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::TypeMismatch: return "Type mismatch";
    case err::InternalError: return "Internal error";
    case err::FileNotFound: return "File not found";
    case err::ObjectNotSet: return "Object variable or With block variable not set";
    case err::InvalidPattern: return "Invalid pattern string";
    case err::ControlArrayElementMissing: return "Control array element doesn't exist";
    case err::InvalidPropertyValue: return "Invalid property value";
    case err::CannotCreateObject: return "ActiveX component can't create object";
    case err::NotSupported: return "Object doesn't support this property or method";
    case err::KeyAlreadyAssociated: return "This key is already associated with an element of this collection";
    case err::IndexOutOfBounds: return "Index out of bounds";
    case err::KeyNotUnique: return "Key is not unique in collection";
    default: return "Application-defined or object-defined error";
    }
}

void raise(int32_t number, std::string source) {
    throw AutomationError::fromNumber(number, std::move(source));
}

} // namespace kv380
