// The symbol map, the diagram class of the view shown, and the reaction to an activated drawing.
#include "control/ctlStockpile.h"

#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/convert/Convert.h"
#include "symbols/SymbolMapText.h"

namespace kv380 {

std::string ctlStockpile::GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                       const std::string& sTarget) {
    const auto found = m_dictSymbolMaps.find(symbolMapKey(sID, sDiagramClass, sTarget));
    return found == m_dictSymbolMaps.end() ? std::string() : found->second;
}

void ctlStockpile::SetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                const std::string& sTarget, const std::string& sPath) {
    m_dictSymbolMaps.insert_or_assign(symbolMapKey(sID, sDiagramClass, sTarget), sPath);
}

std::string ctlStockpile::GetDiagramClass() {
    const int32_t organisationIndex = SelectedOrganisation();
    const int32_t viewIndex = SelectedView();
    // Without a view tab there is no class, and nothing to ask the host.
    if (viewIndex < 1) {
        return {};
    }
    const auto views = deref(deref(deref(m_oWorkspace).Organisations()).Item(organisationIndex)).Views();
    const auto view = deref(views).Item(viewIndex);
    const std::string name = deref(view).Name();
    if (name == "All Objects") {
        return "PFD";
    }
    if (name == "All UO Objects") {
        return "Sim";
    }
    if (viewIndex <= views->Count()) {
        return view->DiagramClass();
    }
    return {};
}

bool ctlStockpile::IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) {
    // Whatever fails (no Symbol Library, no view), the answer is simply no.
    try {
        const std::string sourceClass = GetDiagramClass();
        return symbolLibraryControl(deref(m_oApplication))
            ->IsDiagramConversion(sourceClass, sTargetClass, bSimConversion);
    } catch (const std::exception&) {
        return false;
    }
}

void ctlStockpile::EnsureMapSymbolFirst(IKVPresentedObject& object, const std::string& sourceClass,
                                        const std::string& targetClass) {
    const std::string id = object.ObjectId();
    const std::string mapSymbol = object.MapSymbol();
    std::string mapping = GetSymbolMap(id, sourceClass, targetClass);
    if (mapping.empty()) {
        const std::string root = deref(deref(DwgApp()).SymbolStore()).RootPath();
        mapping = symbolLibraryControl(deref(m_oApplication))
                      ->GetSymbolMap(sourceClass, targetClass, mapLookupSymbol(object.Symbol(), root), false);
    }
    // mappingWithMapSymbolFirst drops the map symbol's one leading "\" itself; dropping it here as well
    // would take the second of a leading pair too.
    if (const auto seeded = mappingWithMapSymbolFirst(mapSymbol, mapping)) {
        SetSymbolMap(id, sourceClass, targetClass, *seeded);
    }
}

void ctlStockpile::DocumentActivated(const std::string&, const std::string& sDiagramID) {
    if (m_bDragging) {
        return;
    }
    const auto organisations = deref(m_oWorkspace).Organisations();
    const auto organisation = deref(organisations).Item(SelectedOrganisation());
    if (deref(organisation).Name() != "By Plot Area") {
        return;
    }
    const int32_t viewIndex = SelectedView();
    if (viewIndex <= 0) {
        return;
    }
    const auto view = deref(organisation->Views()).Item(viewIndex);
    deref(view).setDiagramID(convert::toLong(sDiagramID));
    const auto objects = view->PresentedObjects();
    deref(m_oObjColEvents).setPresentedObjects(objects);
    deref(objects).Load(viewIndex);
}

} // namespace kv380
