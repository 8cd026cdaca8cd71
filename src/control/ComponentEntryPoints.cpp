#include "control/ComponentEntryPoints.h"

#include "control/StockpileObject.h"
#include "platform/hosting/ClassRegistry.h"

#include <dlfcn.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>
#include <string>

namespace kv380 {

namespace {

// Makes stock piles. Counted by reference like every component object; alive, it keeps the library in use.
class StockpileClassFactory final : public hosting::IClassFactoryObject {
public:
    StockpileClassFactory() { component::objectCreated(); }
    StockpileClassFactory(const StockpileClassFactory&) = delete;
    StockpileClassFactory& operator=(const StockpileClassFactory&) = delete;

    hosting::HRESULT QueryInterface(const hosting::Guid& riid, void** ppv) override {
        if (!ppv) {
            return hosting::E_POINTER;
        }
        if (riid == hosting::IID_IUnknown || riid == hosting::IID_IClassFactory) {
            *ppv = static_cast<hosting::IClassFactoryObject*>(this);
            AddRef();
            return hosting::S_OK;
        }
        *ppv = nullptr;
        return hosting::E_NOINTERFACE;
    }
    uint32_t AddRef() override { return ++m_references; }
    uint32_t Release() override {
        const uint32_t left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    hosting::HRESULT CreateInstance(hosting::IUnknownObject* outer, const hosting::Guid& riid,
                                    void** ppv) override {
        if (!ppv) {
            return hosting::E_POINTER;
        }
        *ppv = nullptr;
        if (outer) {
            return hosting::CLASS_E_NOAGGREGATION;
        }
        StockpileObject* created = nullptr;
        try {
            created = new StockpileObject();
        } catch (...) {
            return hosting::E_FAIL; // nothing may leave a component's entry point
        }
        const hosting::HRESULT hr = created->QueryInterface(riid, ppv);
        created->Release(); // the query holds the one reference the caller gets, if any
        return hr;
    }
    hosting::HRESULT LockServer(bool lock) override {
        component::lock(lock);
        return hosting::S_OK;
    }

private:
    ~StockpileClassFactory() { component::objectDestroyed(); }

    std::atomic<uint32_t> m_references{1};
};

hosting::ClassRegistration ownRegistration() {
    return {StockpileProgId, CLSID_ctlStockpile, componentLibraryPath()};
}

} // namespace

std::string componentLibraryPath() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<void*>(&DllGetClassObject), &info) == 0 || !info.dli_fname) {
        return {};
    }
    char resolved[PATH_MAX];
    return ::realpath(info.dli_fname, resolved) ? std::string(resolved) : std::string(info.dli_fname);
}

} // namespace kv380

using namespace kv380;

extern "C" hosting::HRESULT DllGetClassObject(const hosting::Guid* rclsid, const hosting::Guid* riid,
                                              void** ppv) {
    if (!ppv) {
        return hosting::E_POINTER;
    }
    *ppv = nullptr;
    if (!rclsid || !riid) {
        return hosting::E_POINTER;
    }
    if (!(*rclsid == CLSID_ctlStockpile)) {
        return hosting::CLASS_E_CLASSNOTAVAILABLE;
    }
    auto* factory = new (std::nothrow) StockpileClassFactory();
    if (!factory) {
        return hosting::E_FAIL;
    }
    const hosting::HRESULT hr = factory->QueryInterface(*riid, ppv);
    factory->Release();
    return hr;
}

extern "C" hosting::HRESULT DllCanUnloadNow() {
    return component::inUse() ? hosting::S_FALSE : hosting::S_OK;
}

extern "C" hosting::HRESULT DllRegisterServer() {
    try {
        return hosting::registerClass(ownRegistration());
    } catch (...) {
        return hosting::SELFREG_E_CLASS;
    }
}

extern "C" hosting::HRESULT DllUnregisterServer() {
    try {
        return hosting::unregisterClass(ownRegistration());
    } catch (...) {
        return hosting::SELFREG_E_CLASS;
    }
}
