#pragma once

#include "host/IKVSymbolInfo.h"
#include "model/drawing/SymbolFile.h"

#include <memory>
#include <optional>
#include <string>

namespace kv380::demo {

// What the drawing application knows about a placed symbol, read from its symbol file.
class SymbolInfo : public IKVSymbolInfo {
public:
    // Reads the file the symbol was placed from (errors as readSymbolFile; an empty symbol is 91).
    void ReadSymbol(const std::shared_ptr<DrwPlacedSymbol>& symbol) override;
    // The behaviour code of the symbol read; before any read, error 91.
    int32_t Behaviour() override;
    // The class an expansion symbol expands into ("" for other symbols); before any read, error 91.
    std::string ExpansionTargetClass() override;

private:
    const SymbolFileInfo& read() const;

    std::optional<SymbolFileInfo> m_info;
};

} // namespace kv380::demo
