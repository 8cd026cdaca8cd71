#include "platform/hosting/ComponentLoader.h"

#include "platform/AutomationError.h"
#include "platform/hosting/ClassRegistry.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

namespace kv380::hosting {

namespace {

constexpr const char* LoaderSource = "ComponentLoader";

[[noreturn]] void cannotCreate(const std::string& why) {
    throw AutomationError(err::CannotCreateObject, LoaderSource, why);
}

struct LoadedLibraries {
    std::mutex mutex;
    std::map<std::string, void*> byPath;
};

LoadedLibraries& loaded() {
    static LoadedLibraries libraries;
    return libraries;
}

void* load(const std::string& path) {
    LoadedLibraries& libraries = loaded();
    std::lock_guard lock(libraries.mutex);
    if (const auto found = libraries.byPath.find(path); found != libraries.byPath.end()) {
        return found->second;
    }
    // Local symbols: two components may export the same entry points.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        cannotCreate("Cannot load the component library " + path + ": " + (why ? why : "unknown reason"));
    }
    libraries.byPath.emplace(path, handle);
    return handle;
}

} // namespace

void* createObject(const std::string& className, const Guid& riid) {
    const auto registration = lookupClass(className);
    if (!registration) {
        cannotCreate("The class " + className + " is not registered");
    }
    void* library = load(registration->libraryPath);
    auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(::dlsym(library, "DllGetClassObject"));
    if (!getClassObject) {
        cannotCreate("The library " + registration->libraryPath + " has no DllGetClassObject");
    }
    void* factoryPointer = nullptr;
    const HRESULT found = getClassObject(&registration->clsid, &IID_IClassFactory, &factoryPointer);
    if (!succeeded(found) || !factoryPointer) {
        cannotCreate("The library " + registration->libraryPath + " does not make the class " +
                     registration->clsid.text() + " (" + className + ")");
    }
    const auto factory =
        ComPtr<IClassFactoryObject>::adopt(static_cast<IClassFactoryObject*>(factoryPointer));
    void* object = nullptr;
    const HRESULT created = factory->CreateInstance(nullptr, riid, &object);
    if (!succeeded(created) || !object) {
        cannotCreate("The class " + className + " did not create an object with the interface " +
                     riid.text());
    }
    return object;
}

int freeUnusedLibraries() {
    LoadedLibraries& libraries = loaded();
    std::lock_guard lock(libraries.mutex);
    int freed = 0;
    for (auto it = libraries.byPath.begin(); it != libraries.byPath.end();) {
        auto canUnload = reinterpret_cast<DllCanUnloadNowFunction>(::dlsym(it->second, "DllCanUnloadNow"));
        if (canUnload && canUnload() == S_OK) {
            ::dlclose(it->second);
            it = libraries.byPath.erase(it);
            ++freed;
        } else {
            ++it;
        }
    }
    return freed;
}

} // namespace kv380::hosting
