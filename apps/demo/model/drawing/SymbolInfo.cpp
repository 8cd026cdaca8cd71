#include "model/drawing/SymbolInfo.h"

#include "host/DrwApplication.h"
#include "platform/AutomationError.h"

namespace kv380::demo {

void SymbolInfo::ReadSymbol(const std::shared_ptr<DrwPlacedSymbol>& symbol) {
    m_info = readSymbolFile(deref(symbol).SymbolPath());
}

const SymbolFileInfo& SymbolInfo::read() const {
    if (!m_info) {
        raise(err::ObjectNotSet);
    }
    return *m_info;
}

int32_t SymbolInfo::Behaviour() {
    return read().behaviour;
}

std::string SymbolInfo::ExpansionTargetClass() {
    return read().expansionClass;
}

} // namespace kv380::demo
