#include "symbolmap/AddedSymbols.h"

#include <cstddef>

namespace kv380 {

AddedSymbols::AddedSymbols() {
    clear();
}

void AddedSymbols::clear() {
    m_lSymbolCount = 0;
    m_lSymbolCapacity = InitialCapacity;
    m_asSymbols.assign(static_cast<std::size_t>(m_lSymbolCapacity) + 1, std::string());
    m_alSymbolFlags.assign(static_cast<std::size_t>(m_lSymbolCapacity) + 1, 0);
}

void AddedSymbols::AddSymbol(const std::string& strSymbol, int32_t lFlag) {
    if (m_lSymbolCount > m_lSymbolCapacity) {
        m_lSymbolCapacity += CapacityStep;
        m_asSymbols.resize(static_cast<std::size_t>(m_lSymbolCapacity) + 1);
        m_alSymbolFlags.resize(static_cast<std::size_t>(m_lSymbolCapacity) + 1, 0);
    }
    const auto at = static_cast<std::size_t>(m_lSymbolCount);
    m_asSymbols[at] = strSymbol;
    m_alSymbolFlags[at] = lFlag;
    ++m_lSymbolCount;
}

void AddedSymbols::MarkSymbol(const std::string& strSymbol, bool bSelected) {
    for (int32_t i = 0; i < m_lSymbolCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (m_asSymbols[at] != strSymbol) {
            continue;
        }
        const bool added = m_alSymbolFlags[at] >= Added;
        m_alSymbolFlags[at] = (added ? Added : 0) | (bSelected ? Selected : 0);
        return;
    }
}

int32_t AddedSymbols::GetSymbol(int32_t lIndex, std::string& strSymbolName) const {
    if (lIndex < 0 || lIndex >= m_lSymbolCount) {
        return -1;
    }
    const auto at = static_cast<std::size_t>(lIndex);
    strSymbolName = m_asSymbols[at];
    return m_alSymbolFlags[at];
}

} // namespace kv380
