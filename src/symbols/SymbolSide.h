#pragma once

#include "host/IKVSymbolInfo.h"
#include "stockpile/HostLinks.h"
#include "stockpile/ListSelection.h"
#include "stockpile/LoadSinks.h"
#include "stockpile/RefreshChain.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"
#include "symbols/SymbolFinder.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace pugi {
class xml_document;
}

namespace kv380 {

// The stock pile's symbol side: the symbol map for diagram conversion, the diagram class of the view
// shown, the symbol library list, making the shown view's symbol paths absolute, filling its list element
// with the objects that have a symbol, reloading it, and reading a symbol's behaviour.
//
// Reports keep the control's source and each procedure's context text.
class SymbolSide {
public:
    SymbolSide(StockpileDesign& design, HostLinks& host, ShownView& shown, ListSelection& selection,
               RefreshChain& refresh, LoadSinks& sinks);
    ~SymbolSide();

    // --- The symbol map and diagram classes. ---

    // The stored symbols for an object's conversion from one class into another, or "".
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget);
    // The stored symbols, or nothing when none are stored (an empty text stored is not nothing).
    std::optional<std::string> storedSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                               const std::string& sTarget) const;
    // Replaces them (an empty text is kept as such, not removed).
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath);
    // The diagram class of the view shown: "PFD" for "All Objects", "Sim" for "All UO Objects", else the
    // view's own class; "" without a view. Host errors reach the caller.
    std::string GetDiagramClass();
    // Whether the view shown converts into the target class, as the Symbol Library says; false when it
    // cannot say.
    bool IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion);
    // The host made a drawing active: in the "By Plot Area" organisation the shown view follows it.
    void DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID);
    // Puts the object's own map symbol at the head of its mapping for that conversion.
    void EnsureMapSymbolFirst(IKVPresentedObject& object, const std::string& sourceClass,
                              const std::string& targetClass);
    // Forgets every mapping.
    void clearSymbolMaps();

    // --- The symbol library list. ---

    // Fetched from the "Symbol Library" bar when the workspace opens, unless one is held already.
    void fetchSymbolLibraryList();
    bool hasSymbolLibraryList() const { return m_oSymbolLibraryList != nullptr; }
    void releaseSymbolLibraryList();

    // --- The shown view's list. ---

    // Reloads the shown view's objects from the host; the list is filled when the load completes. Failures
    // before the reload starts reach the caller.
    void RefreshSymbols();
    // The same for a tab change, which must end whatever happens: a failure before the reload starts is
    // reported here (once) under the tab change's name. Returns whether a load was requested whose
    // completion will arrive.
    bool RefreshSymbolsForTabChange();
    // Makes the symbol paths of the view's objects absolute; false (with the lines for the user in
    // strMessage) when a symbol could not be found or the pass failed.
    bool ConvertSymbolsToAbsolutePaths(IKVView& view, std::string& strMessage);
    bool ConvertSymbolPath(IKVPresentedObject& object, SymbolFinder& finder,
                           const std::string& strRootDirectory, std::string& strMessage);
    // Fills the list element at a tab position with the view's objects that have a symbol and pass the
    // filter.
    void DisplaySymbols(int32_t tabPosition, IKVView& view);

    // Reads a symbol file's behaviour through the application; nothing when that fails.
    std::shared_ptr<IKVSymbolInfo> GetSymbolBehaviour(const std::string& strSymbolPath);

private:
    // The reload of RefreshSymbols from its first step; returns whether a load was requested and subscribed.
    bool reloadShownView(const std::shared_ptr<IKVDwgApp>& dwgApp);

    StockpileDesign& m_design;
    HostLinks& m_host;
    ShownView& m_shown;
    ListSelection& m_selection;
    RefreshChain& m_refresh;
    LoadSinks& m_sinks;
    std::shared_ptr<pugi::xml_document> m_oSymbolLibraryList;
    std::map<std::string, std::string> m_dictSymbolMaps;
};

} // namespace kv380
