// The symbol side's state, the symbol library list, and the symbol behaviour read through the application.
#include "symbols/SymbolSide.h"

#include "symbols/SymbolBehaviour.h"
#include "symbols/XmlText.h"

#include <pugixml.hpp>

namespace kv380 {

SymbolSide::SymbolSide(StockpileDesign& design, HostLinks& host, ShownView& shown, ListSelection& selection,
                       RefreshChain& refresh, LoadSinks& sinks)
    : m_design(design), m_host(host), m_shown(shown), m_selection(selection), m_refresh(refresh),
      m_sinks(sinks) {}

SymbolSide::~SymbolSide() = default;

void SymbolSide::fetchSymbolLibraryList() {
    if (!m_oSymbolLibraryList) {
        m_oSymbolLibraryList = documentFromText(m_host.symbolLibrary()->SymbolLibraryList());
    }
}

void SymbolSide::releaseSymbolLibraryList() {
    m_oSymbolLibraryList.reset();
}

std::shared_ptr<IKVSymbolInfo> SymbolSide::GetSymbolBehaviour(const std::string& strSymbolPath) {
    return kv380::GetSymbolBehaviour([this] { return m_host.m_oApplication; }, strSymbolPath);
}

} // namespace kv380
