// The host's questions about one object: which symbol to place, its map reference, a connection's ends.
#include "symbols/ObjectSymbols.h"

#include "host/DrwApplication.h"
#include "host/HostDocuments.h"
#include "host/IKVDwgApp.h"
#include "host/IKVSymbolStore.h"
#include "host/ctlSymbolLibrary.h"
#include "platform/fs/Folder.h"
#include "symbols/ObjectSymbolText.h"
#include "symbols/SymbolMapText.h"

namespace kv380 {

ObjectSymbols::ObjectSymbols(StockpileDesign& design, HostLinks& host, ShownView& shown,
                             ListSelection& selection, SymbolSide& symbols)
    : m_design(design), m_host(host), m_shown(shown), m_selection(selection), m_symbols(symbols) {}

std::shared_ptr<IKVPresentedObject> ObjectSymbols::GetObjectSymbol(const std::string& strObject,
                                                                   std::string& strSymbol, bool bMappedSymbol,
                                                                   bool bSearchMapped) {
    // Host errors are passed over: whatever fails, the host sees no match and strSymbol stays as it was.
    try {
        const auto views = m_shown.selectedViews();
        const int32_t viewIndex = m_shown.SelectedView();
        if (viewIndex <= 0 || viewIndex > deref(views).Count()) {
            return nullptr;
        }
        const auto objects = deref(views->Item(viewIndex)).PresentedObjects();
        const int32_t count = deref(objects).Count();
        for (int32_t i = 1; i <= count; ++i) {
            const auto object = objects->Item(i);
            if (strObject != deref(object).ObjectId() &&
                !(bSearchMapped && strObject == object->MapReference())) {
                continue;
            }
            strSymbol = bMappedSymbol ? withUnitOperationsFolder(object->MapSymbol()) : object->Symbol();
            return object;
        }
    } catch (...) {
    }
    return nullptr;
}

std::string ObjectSymbols::GetMappedSymbol(const std::string& sTarget, std::string& sServerID) {
    // Whatever fails (the host, an empty drag, a symbol outside the root, the Symbol Library), the answer
    // is "" and nothing is reported: the host then places the object's own symbol.
    try {
        std::string defaultSymbol;
        bool fromDrag = false;
        if (sServerID.empty()) {
            const auto dragged = m_selection.DragDropObject();
            if (deref(dragged).Count() > 1) {
                return "";
            }
            const auto object = as<IKVPresentedObject>(dragged->Item(1));
            sServerID = object->ObjectId();
            defaultSymbol = object->Symbol();
            fromDrag = true;
        }
        const std::string sourceClass = m_symbols.GetDiagramClass();
        if (const auto stored = m_symbols.storedSymbolMap(sServerID, sourceClass, sTarget)) {
            return defaultMappedSymbol(*stored);
        }
        if (!fromDrag || m_selection.selectionCollection().Count() != 1) {
            GetObjectSymbol(sServerID, defaultSymbol, false, false);
        }
        return GetLibraryMappedSymbol(defaultSymbol, sourceClass, sTarget);
    } catch (...) {
        return "";
    }
}

std::string ObjectSymbols::GetLibraryMappedSymbol(const std::string& strSymbol,
                                                  const std::string& sDiagramClass,
                                                  const std::string& sTarget) {
    const auto rootFolder = deref(deref(m_host.reachDwgApp()).SymbolStore()).RootFolder();
    const std::string relative = libraryRelativeSymbol(strSymbol, deref(rootFolder).Path());
    return m_host.symbolLibrary()->GetSymbolMap(sDiagramClass, sTarget, relative, true);
}

std::string ObjectSymbols::GetNextObjectSymbol(const std::string& strObject,
                                               const std::string& strOldSymbol) {
    const std::string sourceClass = m_symbols.GetDiagramClass();
    const auto dwgApp = m_host.reachDwgApp();
    const auto document = deref(m_host.m_oApplication).ActiveDocument();
    const std::string target = deref(deref(dwgApp->DocumentMap()).FindDocument(document)).DiagramClass();
    const std::string root = deref(dwgApp->SymbolStore()).RootPath();
    const std::string relativeOld = symbolRelativeToRoot(strOldSymbol, root);

    std::string mapping = m_symbols.GetSymbolMap(strObject, sourceClass, target);
    if (mapping.empty()) {
        std::string ownSymbol;
        if (GetObjectSymbol(strObject, ownSymbol, false, false)) {
            mapping = m_host.symbolLibrary()->GetSymbolMap(sourceClass, target,
                                                           symbolRelativeToRoot(ownSymbol, root), false);
        }
    }
    return nextObjectSymbol(mapping, relativeOld, root);
}

std::shared_ptr<IKVPresentedObject> ObjectSymbols::singleSelectedObject() {
    ObjectCollection& selection = m_selection.selectionCollection();
    if (selection.Count() != 1) {
        return nullptr;
    }
    return as<IKVPresentedObject>(selection.Item(1));
}

bool ObjectSymbols::GetSimObjectMapSymbol(std::string& strSymbol) {
    const auto object = singleSelectedObject();
    if (!object) {
        return false;
    }
    const std::string mapSymbol = object->MapSymbol();
    if (mapSymbol.empty()) {
        return false;
    }
    strSymbol = withUnitOperationsFolder(mapSymbol);
    return true;
}

std::string ObjectSymbols::GetSimObjectMapReference() {
    const auto object = singleSelectedObject();
    return object ? object->MapReference() : std::string();
}

std::shared_ptr<IKVPresentedObject> ObjectSymbols::findInShownList(const std::string& strId) {
    if (m_shown.SelectedView() < 1) {
        return nullptr;
    }
    const ui::RWListView& list = m_design.rwlvStockpile[m_shown.tabPosition()];
    for (int32_t i = 1; i <= list.itemCount(); ++i) {
        const auto object = list.itemData<std::shared_ptr<IKVPresentedObject>>(i);
        if (deref(object).ObjectId() == strId) {
            return object;
        }
    }
    return nullptr;
}

std::string ObjectSymbols::GetObjectMapReference(const std::string& strId) {
    const auto object = findInShownList(strId);
    return object ? object->MapReference() : std::string();
}

void ObjectSymbols::SetObjectMapReference(const std::string& strId, const std::string& strMapReference) {
    if (const auto object = findInShownList(strId)) {
        object->setMapReference(strMapReference);
    }
}

std::string ObjectSymbols::GetObjectNameByID(const std::string& strId) {
    const auto object = findInShownList(strId);
    return object ? object->ObjectKey() : std::string();
}

std::string ObjectSymbols::GetConnectionInfo(const std::string& strId, const std::string& strEndObject) {
    const auto object = findInShownList(strId);
    if (!object) {
        return "";
    }
    const std::string name = object->ObjectKey();
    const std::string fromId = object->FromObjectID();
    const std::string toId = object->ToObjectID();
    return connectionDescription(name, fromId, toId, strEndObject,
                                 [this](const std::string& id) { return GetObjectNameByID(id); });
}

} // namespace kv380
