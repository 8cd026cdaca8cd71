#include "host/HostServices.h"

#include "host/IKVSymbolInfo.h"
#include "platform/AutomationError.h"

#include <exception>
#include <utility>

namespace kv380 {

namespace {

OutsideClassFactories& factories() {
    static OutsideClassFactories current;
    return current;
}

// Whatever goes wrong while creating an outside object, the caller sees the one creation error.
template <class T> std::shared_ptr<T> create(const HostFactory<T>& factory) {
    std::shared_ptr<T> object;
    if (factory) {
        try {
            object = factory();
        } catch (...) {
            object.reset();
        }
    }
    if (!object) {
        raise(err::CannotCreateObject);
    }
    return object;
}

} // namespace

OutsideClassFactories setOutsideClassFactories(OutsideClassFactories replacement) {
    return std::exchange(factories(), std::move(replacement));
}

std::shared_ptr<KVDatasheetEditorFactory> createDatasheetEditorFactory() {
    return create(factories().datasheetEditorFactory);
}

std::shared_ptr<KVDatasheetLauncher> createDatasheetLauncher() {
    return create(factories().datasheetLauncher);
}

std::shared_ptr<KVObjectDeleter> createObjectDeleter() {
    return create(factories().objectDeleter);
}

std::shared_ptr<IKVSymbolInfo> createSymbolInfo() {
    return create(factories().symbolInfo);
}

} // namespace kv380
