#pragma once

#include <string>

namespace kv380 {

// The stock pile as its forms reach it. The context menu is handed the control and passes it on to the
// Symbol Map dialog; neither needs more of the control than this: the diagram class of the view it shows
// (the source class of a conversion), and its symbol map, read when the dialog opens and written when the
// user confirms. The control implements it; a test may put a stand-in in its place.
class StockPileSymbolMap {
public:
    // The diagram class of the view shown ("" without a view).
    virtual std::string GetDiagramClass() = 0;
    // The symbols chosen for an object's conversion from one class into another: relative symbol paths
    // joined by ";", the first the default; "" when none were chosen.
    virtual std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                     const std::string& sTarget) = 0;
    // Replaces the symbols chosen for that conversion.
    virtual void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                              const std::string& sTarget, const std::string& sPath) = 0;

protected:
    ~StockPileSymbolMap() = default;
};

} // namespace kv380
