#pragma once

#include "platform/Export.h"

#include "platform/hosting/Com.h"

// The four entry points of the stock pile's library, exported with C linkage so that a host can find them by
// name once it has loaded the library:
//   DllGetClassObject    the class factory of the stock pile's class identifier (CLASS_E_CLASSNOTAVAILABLE
//                        for any other), asked for IUnknown or IClassFactory
//   DllCanUnloadNow      S_OK while no control made by the factory and no factory lives and the server is not
//                        locked, else S_FALSE
//   DllRegisterServer    registers the class name and identifier with this library's path (machine hive, or
//                        the user's when the machine hive cannot be written)
//   DllUnregisterServer  removes exactly that registration
extern "C" {
KV380_API kv380::hosting::HRESULT DllGetClassObject(const kv380::hosting::Guid* rclsid,
                                                    const kv380::hosting::Guid* riid, void** ppv);
KV380_API kv380::hosting::HRESULT DllCanUnloadNow();
KV380_API kv380::hosting::HRESULT DllRegisterServer();
KV380_API kv380::hosting::HRESULT DllUnregisterServer();
}

namespace kv380 {
// The path of the file these entry points were loaded from: the shared library, or the program itself when
// the component is linked in.
KV380_API std::string componentLibraryPath();
} // namespace kv380
