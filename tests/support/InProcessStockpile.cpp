#include "support/InProcessStockpile.h"

#include "control/ComponentEntryPoints.h"
#include "platform/AutomationError.h"

namespace kv380::test {

hosting::ComPtr<_ctlStockpile> inProcessStockpile() {
    void* factory = nullptr;
    if (DllGetClassObject(&CLSID_ctlStockpile, &hosting::IID_IClassFactory, &factory) != hosting::S_OK) {
        raise(err::CannotCreateObject);
    }
    const auto classFactory = hosting::ComPtr<hosting::IClassFactoryObject>::adopt(
        static_cast<hosting::IClassFactoryObject*>(factory));
    void* created = nullptr;
    if (classFactory->CreateInstance(nullptr, IID__ctlStockpile, &created) != hosting::S_OK) {
        raise(err::CannotCreateObject);
    }
    return hosting::ComPtr<_ctlStockpile>::adopt(static_cast<_ctlStockpile*>(created));
}

} // namespace kv380::test
