#include "control/StockpileObject.h"

#include "control/ctlStockpile.h"

namespace kv380 {

namespace component {
namespace {
std::atomic<int> liveObjects{0};
std::atomic<int> locks{0};
} // namespace

void objectCreated() {
    ++liveObjects;
}
void objectDestroyed() {
    --liveObjects;
}
void lock(bool locked) {
    locks += locked ? 1 : -1;
}
bool inUse() {
    return liveObjects.load() > 0 || locks.load() > 0;
}
} // namespace component

StockpileObject::StockpileObject() : m_control(std::make_unique<ctlStockpile>()) {
    component::objectCreated();
}

StockpileObject::~StockpileObject() {
    m_control.reset(); // the teardown, which never throws out of the control
    component::objectDestroyed();
}

hosting::HRESULT StockpileObject::QueryInterface(const hosting::Guid& riid, void** ppv) {
    if (!ppv) {
        return hosting::E_POINTER;
    }
    if (riid == hosting::IID_IUnknown || riid == hosting::IID_IDispatch || riid == IID__ctlStockpile) {
        *ppv = static_cast<_ctlStockpile*>(this);
        AddRef();
        return hosting::S_OK;
    }
    *ppv = nullptr;
    return hosting::E_NOINTERFACE;
}

uint32_t StockpileObject::AddRef() {
    return ++m_references;
}

uint32_t StockpileObject::Release() {
    const uint32_t left = --m_references;
    if (left == 0) {
        delete this;
    }
    return left;
}

std::shared_ptr<HostObject> StockpileObject::m_DRWObjectSelected() {
    return m_control->m_DRWObjectSelected;
}
void StockpileObject::setm_DRWObjectSelected(std::shared_ptr<HostObject> object) {
    m_control->m_DRWObjectSelected = std::move(object);
}
void StockpileObject::SaveVisibility() {
    m_control->SaveVisibility();
}
void StockpileObject::RestoreVisibility() {
    m_control->RestoreVisibility();
}
std::shared_ptr<DrwApplication> StockpileObject::ApplicationObject() {
    return m_control->ApplicationObject();
}
void StockpileObject::setApplicationObject(std::shared_ptr<DrwApplication> application) {
    m_control->setApplicationObject(std::move(application));
}
void StockpileObject::RefreshSymbols() {
    m_control->RefreshSymbols();
}
std::shared_ptr<ObjectCollection> StockpileObject::DragDropObject() {
    return m_control->DragDropObject();
}
std::shared_ptr<ObjectCollection> StockpileObject::SelectedObjects() {
    return m_control->SelectedObjects();
}
void StockpileObject::ResizeLayout(int32_t& x, int32_t& y) {
    m_control->ResizeLayout(x, y);
}
std::shared_ptr<DrwDialogBar> StockpileObject::DialogBar() {
    return m_control->DialogBar();
}
void StockpileObject::setDialogBar(std::shared_ptr<DrwDialogBar> bar) {
    m_control->setDialogBar(std::move(bar));
}
std::shared_ptr<IKVPresentedObject> StockpileObject::GetObjectSymbol(const std::string& strObject,
                                                                     std::string& strSymbol,
                                                                     bool bMappedSymbol, bool bSearchMapped) {
    return m_control->GetObjectSymbol(strObject, strSymbol, bMappedSymbol, bSearchMapped);
}
bool StockpileObject::GetSimObjectMapSymbol(std::string& strSymbol) {
    return m_control->GetSimObjectMapSymbol(strSymbol);
}
std::string StockpileObject::GetSimObjectMapReference() {
    return m_control->GetSimObjectMapReference();
}
std::string StockpileObject::GetObjectMapReference(const std::string& strId) {
    return m_control->GetObjectMapReference(strId);
}
void StockpileObject::SetObjectMapReference(const std::string& strId, const std::string& strMapReference) {
    m_control->SetObjectMapReference(strId, strMapReference);
}
std::string StockpileObject::GetConnectionInfo(const std::string& strId, const std::string& strEndObject) {
    return m_control->GetConnectionInfo(strId, strEndObject);
}
std::string StockpileObject::GetNextObjectSymbol(const std::string& strObject,
                                                 const std::string& strOldSymbol) {
    return m_control->GetNextObjectSymbol(strObject, strOldSymbol);
}
std::string StockpileObject::GetDiagramClass() {
    return m_control->GetDiagramClass();
}
std::string StockpileObject::GetMappedSymbol(const std::string& sTarget, std::string& sServerID) {
    return m_control->GetMappedSymbol(sTarget, sServerID);
}
std::string StockpileObject::GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                          const std::string& sTarget) {
    return m_control->GetSymbolMap(sID, sDiagramClass, sTarget);
}
void StockpileObject::SetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                   const std::string& sTarget, const std::string& sPath) {
    m_control->SetSymbolMap(sID, sDiagramClass, sTarget, sPath);
}
bool StockpileObject::IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) {
    return m_control->IsDiagramConversion(sTargetClass, bSimConversion);
}
void StockpileObject::DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID) {
    m_control->DocumentActivated(sDiagramClass, sDiagramID);
}
ui::UserControl& StockpileObject::UserControl() {
    return *m_control;
}

void StockpileObject::setPlaceObjectHook(PlaceObjectHook hook) {
    m_control->setPlaceObjectHook(std::move(hook));
}

} // namespace kv380
