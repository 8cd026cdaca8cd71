#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <exception>
#include <memory>
#include <string>

namespace kv380 {

// The run-time error object of the original platform: what every host or runtime failure carries.
class KV380_API AutomationError : public std::exception {
public:
    AutomationError(int32_t number, std::string source, std::string description, std::string helpFile = {},
                    int32_t helpContext = 0);

    // An error with the runtime's standard description for its number.
    static AutomationError fromNumber(int32_t number, std::string source = {});

    int32_t number() const { return m_number; }
    const std::string& source() const { return m_source; }
    const std::string& description() const { return m_description; }
    const std::string& helpFile() const { return m_helpFile; }
    int32_t helpContext() const { return m_helpContext; }

    const char* what() const noexcept override { return m_description.c_str(); }

private:
    int32_t m_number;
    std::string m_source;
    std::string m_description;
    std::string m_helpFile;
    int32_t m_helpContext;
};

// The runtime's error numbers the component and its platform raise.
namespace err {
inline constexpr int32_t InvalidProcedureCall = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t InternalError = 51;
inline constexpr int32_t FileNotFound = 53;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidPattern = 93;
inline constexpr int32_t ControlArrayElementMissing = 340;
inline constexpr int32_t InvalidPropertyValue = 380;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t NotSupported = 438;
inline constexpr int32_t WrongArgumentCount = 450; // wrong number of arguments or invalid property assignment
inline constexpr int32_t KeyAlreadyAssociated = 457;
inline constexpr int32_t IndexOutOfBounds = 35600;
inline constexpr int32_t KeyNotUnique = 35602;
} // namespace err

// The standard description of a runtime error number ("Type mismatch" for 13...).
KV380_API std::string standardDescription(int32_t number);

// Throws the runtime error with its standard description.
[[noreturn]] KV380_API void raise(int32_t number, std::string source = {});

// Dereferences a shared reference; an empty one is "object variable not set" (91), never undefined behaviour.
template <class T> T& deref(const std::shared_ptr<T>& p) {
    if (!p) {
        raise(err::ObjectNotSet);
    }
    return *p;
}

// The same for a reference the component owns alone (its sinks, its settings object).
template <class T> T& deref(const std::unique_ptr<T>& p) {
    if (!p) {
        raise(err::ObjectNotSet);
    }
    return *p;
}

// "Use A as B": asks a host object for another of its contracts; a failed cast is a type mismatch (13).
template <class To, class From> std::shared_ptr<To> as(const std::shared_ptr<From>& p) {
    if (!p) {
        raise(err::ObjectNotSet);
    }
    auto cast = std::dynamic_pointer_cast<To>(p);
    if (!cast) {
        raise(err::TypeMismatch);
    }
    return cast;
}

} // namespace kv380
