// A symbol file's behaviour, as the drawing application reads it from a placed symbol.
#include "symbols/SymbolBehaviour.h"

#include "host/Guarded.h"
#include "host/HostServices.h"

namespace kv380 {

std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const ReachDrawingApplication& application,
                                                  const std::string& strSymbolPath) {
    std::shared_ptr<IKVSymbolInfo> result;
    std::shared_ptr<DrwDocument> scratch;
    const bool completed = guarded("ctlSymbolLibrary::GetSymbolBehaviour()", [&] {
        scratch = deref(deref(application()).Documents()).Add(false);
        auto sheet = deref(scratch).Sheet("tmp");
        auto placed = deref(sheet).PlaceSymbol(0, strSymbolPath, 0.0, 0.0);
        auto info = createSymbolInfo();
        deref(info).ReadSymbol(placed);
        placed.reset();
        sheet.reset();
        scratch->Close(false);
        scratch.reset();
        result = std::move(info);
    });
    if (!completed && scratch) {
        // A failure after the scratch drawing was opened must not leave a hidden drawing behind in the host.
        try {
            scratch->Close(false);
        } catch (...) {
        }
    }
    return result;
}

} // namespace kv380
