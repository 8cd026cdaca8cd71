#pragma once

#include "platform/Export.h"

#include "platform/hosting/Guid.h"

#include <cstdint>
#include <utility>

// The component object model the stock pile is hosted with: objects counted by reference, created through
// a class factory that a library hands out for a class identifier, and asked for their interfaces by
// identifier. A host that creates the control by its class name meets only these.
namespace kv380::hosting {

using HRESULT = int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201);

inline constexpr bool succeeded(HRESULT hr) {
    return hr >= 0;
}

// The interfaces every object and every class factory answer to, with their well-known identifiers.
inline constexpr Guid IID_IUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid IID_IClassFactory{
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid IID_IDispatch{
    0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Every object: asked for an interface by identifier (E_NOINTERFACE when it has none such; on success the
// answer is counted, so the caller releases it), counted by reference, gone at the last Release.
class KV380_API IUnknownObject {
public:
    virtual HRESULT QueryInterface(const Guid& riid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknownObject() = default;
};

// What a library hands out for a class identifier: makes objects of that class. LockServer(true) keeps the
// library from being unloaded while no object of it lives.
class KV380_API IClassFactoryObject : public IUnknownObject {
public:
    // A new object asked for `riid`; aggregation (an outer object) is not offered.
    virtual HRESULT CreateInstance(IUnknownObject* outer, const Guid& riid, void** ppv) = 0;
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactoryObject() = default;
};

// Holds one counted reference to an object and releases it when it goes.
template <class T> class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller owns (as an interface query or CreateInstance answers it).
    static ComPtr adopt(T* object) {
        ComPtr p;
        p.m_object = object;
        return p;
    }
    ComPtr(const ComPtr& other) : m_object(other.m_object) {
        if (m_object) {
            m_object->AddRef();
        }
    }
    ComPtr(ComPtr&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (T* object = std::exchange(m_object, nullptr)) {
            object->Release();
        }
    }
    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object{nullptr};
};

} // namespace kv380::hosting

namespace kv380::hosting {

// The four entry points a component library exports with C linkage, as their pointers.
using DllGetClassObjectFunction = HRESULT (*)(const Guid* rclsid, const Guid* riid, void** ppv);
using DllCanUnloadNowFunction = HRESULT (*)();
using DllRegisterServerFunction = HRESULT (*)();
using DllUnregisterServerFunction = HRESULT (*)();

} // namespace kv380::hosting
