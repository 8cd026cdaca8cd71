// The symbol map, the diagram class of the view shown, and the reaction to an activated drawing.
#include "symbols/SymbolSide.h"

#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/convert/Convert.h"
#include "symbols/SymbolMapText.h"

namespace kv380 {

std::string SymbolSide::GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                     const std::string& sTarget) {
    const auto found = m_dictSymbolMaps.find(symbolMapKey(sID, sDiagramClass, sTarget));
    return found == m_dictSymbolMaps.end() ? std::string() : found->second;
}

std::optional<std::string> SymbolSide::storedSymbolMap(const std::string& sID,
                                                       const std::string& sDiagramClass,
                                                       const std::string& sTarget) const {
    const auto found = m_dictSymbolMaps.find(symbolMapKey(sID, sDiagramClass, sTarget));
    if (found == m_dictSymbolMaps.end()) {
        return std::nullopt;
    }
    return found->second;
}

void SymbolSide::SetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                              const std::string& sTarget, const std::string& sPath) {
    m_dictSymbolMaps.insert_or_assign(symbolMapKey(sID, sDiagramClass, sTarget), sPath);
}

std::string SymbolSide::GetDiagramClass() {
    const int32_t organisationIndex = m_shown.SelectedOrganisation();
    const int32_t viewIndex = m_shown.SelectedView();
    // Without a view tab there is no class, and nothing to ask the host.
    if (viewIndex < 1) {
        return {};
    }
    const auto views = m_host.organisationViews(organisationIndex);
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

bool SymbolSide::IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) {
    // Whatever fails (no Symbol Library, no view), the answer is simply no.
    try {
        const std::string sourceClass = GetDiagramClass();
        return m_host.symbolLibrary()->IsDiagramConversion(sourceClass, sTargetClass, bSimConversion);
    } catch (...) {
        return false;
    }
}

void SymbolSide::EnsureMapSymbolFirst(IKVPresentedObject& object, const std::string& sourceClass,
                                      const std::string& targetClass) {
    const std::string id = object.ObjectId();
    const std::string mapSymbol = object.MapSymbol();
    std::string mapping = GetSymbolMap(id, sourceClass, targetClass);
    if (mapping.empty()) {
        const std::string root = deref(deref(m_host.DwgApp()).SymbolStore()).RootPath();
        mapping = m_host.symbolLibrary()->GetSymbolMap(sourceClass, targetClass,
                                                       mapLookupSymbol(object.Symbol(), root), false);
    }
    // mappingWithMapSymbolFirst drops the map symbol's one leading "\" itself; dropping it here as well
    // would take the second of a leading pair too.
    if (const auto seeded = mappingWithMapSymbolFirst(mapSymbol, mapping)) {
        SetSymbolMap(id, sourceClass, targetClass, *seeded);
    }
}

void SymbolSide::clearSymbolMaps() {
    m_dictSymbolMaps.clear();
}

void SymbolSide::DocumentActivated(const std::string&, const std::string& sDiagramID) {
    if (m_selection.dragging()) {
        return;
    }
    const auto organisation = m_host.organisation(m_shown.SelectedOrganisation());
    if (deref(organisation).Name() != "By Plot Area") {
        return;
    }
    const int32_t viewIndex = m_shown.SelectedView();
    if (viewIndex <= 0) {
        return;
    }
    const auto view = deref(organisation->Views()).Item(viewIndex);
    deref(view).setDiagramID(convert::toLong(sDiagramID));
    const auto objects = view->PresentedObjects();
    m_sinks.setPresentedObjects(objects);
    deref(objects).Load(viewIndex);
}

} // namespace kv380
