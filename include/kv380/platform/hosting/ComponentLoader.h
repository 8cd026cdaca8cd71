#pragma once

#include "platform/Export.h"

#include "platform/hosting/Com.h"
#include "platform/hosting/Guid.h"

#include <string>

namespace kv380::hosting {

// Creates an object of a registered class, the way a host creates a component it knows only by its class
// name: looks the name up in the registry store (lookupClass), loads the library registered for its class
// identifier, asks the library's DllGetClassObject for the class factory, and the factory for a new object
// answering `riid`. The caller names in T the interface `riid` stands for.
//
// Failures are AutomationError 429 (cannot create object), described by what was missing: the class name's
// registration, the library file or its loading, the entry point, the class in that library, the interface.
// A library once loaded stays loaded until freeUnusedLibraries finds it unused.
KV380_API void* createObject(const std::string& className, const Guid& riid);

template <class T> ComPtr<T> createObjectAs(const std::string& className, const Guid& riid) {
    return ComPtr<T>::adopt(static_cast<T*>(createObject(className, riid)));
}

// Unloads the libraries loaded by createObject whose DllCanUnloadNow answers S_OK. Returns how many.
KV380_API int freeUnusedLibraries();

} // namespace kv380::hosting
