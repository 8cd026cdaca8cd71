#include "host/ctlSymbolLibrary.h"

#include "host/DrwApplication.h"
#include "platform/AutomationError.h"

namespace kv380 {

std::shared_ptr<ctlSymbolLibrary> symbolLibraryControl(DrwApplication& application) {
    auto bar = application.DialogBars("Symbol Library");
    return as<ctlSymbolLibrary>(deref(bar).HostedControl());
}

} // namespace kv380
