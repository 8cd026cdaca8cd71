#pragma once

#include "host/HostObjectModel.h"
#include "stockpile/HostLinks.h"
#include "stockpile/ListSelection.h"
#include "stockpile/ShownView.h"
#include "stockpile/StockpileDesign.h"
#include "symbols/SymbolSide.h"

#include <memory>
#include <string>

namespace kv380 {

// The host's questions about one object of the stock pile, asked while the user drags it onto a drawing:
// which symbol to place it with (its own, a mapped one, the next alternative), its map reference, and what
// a connection joins. None of them changes the list.
//
// Each question has its own failure rule: GetObjectSymbol passes over host errors (no match), GetMappedSymbol
// answers "" whatever fails, and the others let the error reach the host. None of them reports.
class ObjectSymbols {
public:
    ObjectSymbols(StockpileDesign& design, HostLinks& host, ShownView& shown, ListSelection& selection,
                  SymbolSide& symbols);

    // The first object of the shown view (in the host's order) whose identifier is strObject or, with
    // bSearchMapped, whose map reference is. strSymbol then receives its map symbol (bMappedSymbol, with
    // "Unit Operations\" in front of a "Blocks\" one) or its own symbol; without a match it is untouched.
    std::shared_ptr<IKVPresentedObject> GetObjectSymbol(const std::string& strObject, std::string& strSymbol,
                                                        bool bMappedSymbol, bool bSearchMapped = false);
    // With exactly one object selected and a map symbol on it: true, and strSymbol receives that symbol
    // ("Unit Operations\" in front of a "Blocks\" one). Otherwise false and strSymbol is untouched.
    bool GetSimObjectMapSymbol(std::string& strSymbol);
    // The map reference of the one selected object; "" unless exactly one is selected.
    std::string GetSimObjectMapReference();
    // The map reference of the object with that identifier in the shown list; "" when it is not there.
    std::string GetObjectMapReference(const std::string& strId);
    // Writes the map reference of the object with that identifier in the shown list, when it is there.
    void SetObjectMapReference(const std::string& strId, const std::string& strMapReference);
    // The object's name and the names of the ends it joins (" From " ..., " To " ...), leaving out the end
    // it is dropped onto; "" when the object is not in the shown list.
    std::string GetConnectionInfo(const std::string& strId, const std::string& strEndObject);
    // The symbol after strOldSymbol among the object's alternatives for the active drawing's class, as an
    // absolute path; "" when there is no other.
    std::string GetNextObjectSymbol(const std::string& strObject, const std::string& strOldSymbol);
    // The default symbol for placing the object on a drawing of class sTarget: the stored choice, else the
    // Symbol Library's default for the object's symbol. With sServerID "" the one dragged object is meant,
    // and sServerID receives its identifier. "" whatever fails.
    std::string GetMappedSymbol(const std::string& sTarget, std::string& sServerID);

private:
    // The object with that identifier among the items of the shown view's list element; nothing without a
    // view or a match.
    std::shared_ptr<IKVPresentedObject> findInShownList(const std::string& strId);
    // The name of the object with that identifier in the shown list; "" when it is not there.
    std::string GetObjectNameByID(const std::string& strId);
    // The Symbol Library's default symbol for a symbol path when a diagram of one class becomes another.
    std::string GetLibraryMappedSymbol(const std::string& strSymbol, const std::string& sDiagramClass,
                                       const std::string& sTarget);
    // The one selected object (the selection as last read), or nothing unless exactly one is selected.
    std::shared_ptr<IKVPresentedObject> singleSelectedObject();

    StockpileDesign& m_design;
    HostLinks& m_host;
    ShownView& m_shown;
    ListSelection& m_selection;
    SymbolSide& m_symbols;
};

} // namespace kv380
