#pragma once

#include "host/HostObject.h"
#include "platform/AutomationError.h"

#include <cstdint>
#include <memory>
#include <string>

// The conversions a late-bound call applies to its arguments, as automation does: a number passed for a text
// becomes its decimal text, numeric text passed for a number becomes the number, and so on. What cannot be
// converted (an object for a text, text that is no number for a number) is a type mismatch, 13; a number
// out of range is an overflow, 6. Nothing (an empty argument) converts to "", 0, false or no object.
namespace kv380::coerce {

std::string toText(const Variant& value);
int32_t toLong(const Variant& value);
bool toBoolean(const Variant& value);
std::shared_ptr<HostObject> toObject(const Variant& value);

// An object argument used as one of its contracts; nothing stays nothing, another kind of object is 13.
template <class T> std::shared_ptr<T> toObjectAs(const Variant& value) {
    const auto object = toObject(value);
    if (!object) {
        return nullptr;
    }
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (!typed) {
        raise(err::TypeMismatch);
    }
    return typed;
}

} // namespace kv380::coerce
