#pragma once

#include "platform/Export.h"

#include "platform/hosting/Com.h"
#include "platform/hosting/Guid.h"

#include <optional>
#include <string>

// Where a class name leads: the registrations a component library writes for itself in the registry
// store, as the system's self-registration does. Under "Software\Classes" of a hive:
//   <class name>\CLSID                   (default value) the class identifier, "{...}"
//   CLSID\{...}                          (default value) the class name
//   CLSID\{...}\ProgID                   (default value) the class name
//   CLSID\{...}\InprocServer32           (default value) the library's file path
namespace kv380::hosting {

struct KV380_API ClassRegistration {
    std::string className;
    Guid clsid;
    std::string libraryPath;
};

// Which hive a registration went to: the machine's, or the user's where the machine hive cannot be written.
enum class RegistrationHive { Machine, User };

// Writes the registration into the machine hive, or into the user hive when the machine hive cannot be
// written (per-user registration). Registering again writes the same values again. S_OK, or
// SELFREG_E_CLASS when neither hive takes it.
KV380_API HRESULT registerClass(const ClassRegistration& registration, RegistrationHive* where = nullptr);

// Removes what registerClass wrote for this class, from either hive: each value only while it still holds
// what was written, and each key only when nothing else is left in it. A hive where the class identifier
// leads to another library holds that library's registration and is left as it is. Nothing registered is no
// failure: S_OK. SELFREG_E_CLASS when a removal is refused.
KV380_API HRESULT unregisterClass(const ClassRegistration& registration);

// The class identifier and library a class name is registered with, the user hive first, then the machine's.
// The name is compared without regard to case. Nothing when it is not registered (or only half of it is).
KV380_API std::optional<ClassRegistration> lookupClass(const std::string& className);

} // namespace kv380::hosting
