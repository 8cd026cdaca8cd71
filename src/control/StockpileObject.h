#pragma once

#include "control/_ctlStockpile.h"

#include <atomic>
#include <memory>

namespace kv380 {

class ctlStockpile;

// The stock pile as a component object: a control of its own behind the default interface, counted by
// reference. Made by the class factory with one reference; the last Release destroys the control, which runs
// its teardown. Its lifetime counts towards DllCanUnloadNow.
class StockpileObject final : public _ctlStockpile {
public:
    StockpileObject();
    StockpileObject(const StockpileObject&) = delete;
    StockpileObject& operator=(const StockpileObject&) = delete;

    // IUnknown: IUnknown, IDispatch and the default interface all answer with this object.
    hosting::HRESULT QueryInterface(const hosting::Guid& riid, void** ppv) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // IDispatch, over the member table of StockpileDispatch.cpp.
    int32_t GetIDOfName(const std::string& name) override;
    using IDispatchObject::Invoke;
    Variant Invoke(int32_t dispId, InvokeKind kind, VariantArray& args) override;

    std::shared_ptr<HostObject> m_DRWObjectSelected() override;
    void setm_DRWObjectSelected(std::shared_ptr<HostObject> object) override;
    void SaveVisibility() override;
    void RestoreVisibility() override;
    std::shared_ptr<DrwApplication> ApplicationObject() override;
    void setApplicationObject(std::shared_ptr<DrwApplication> application) override;
    void RefreshSymbols() override;
    std::shared_ptr<ObjectCollection> DragDropObject() override;
    std::shared_ptr<ObjectCollection> SelectedObjects() override;
    void ResizeLayout(int32_t& x, int32_t& y) override;
    std::shared_ptr<DrwDialogBar> DialogBar() override;
    void setDialogBar(std::shared_ptr<DrwDialogBar> bar) override;
    std::shared_ptr<IKVPresentedObject> GetObjectSymbol(const std::string& strObject, std::string& strSymbol,
                                                        bool bMappedSymbol,
                                                        bool bSearchMapped = false) override;
    bool GetSimObjectMapSymbol(std::string& strSymbol) override;
    std::string GetSimObjectMapReference() override;
    std::string GetObjectMapReference(const std::string& strId) override;
    void SetObjectMapReference(const std::string& strId, const std::string& strMapReference) override;
    std::string GetConnectionInfo(const std::string& strId, const std::string& strEndObject) override;
    std::string GetNextObjectSymbol(const std::string& strObject, const std::string& strOldSymbol) override;
    std::string GetDiagramClass() override;
    std::string GetMappedSymbol(const std::string& sTarget, std::string& sServerID) override;
    std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                             const std::string& sTarget) override;
    void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass, const std::string& sTarget,
                      const std::string& sPath) override;
    bool IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) override;
    void DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID) override;
    ui::UserControl& UserControl() override;
    void setPlaceObjectHook(PlaceObjectHook hook) override;

    // The control itself, for code of this library (and its tests).
    ctlStockpile& control() { return *m_control; }

private:
    ~StockpileObject();

    std::atomic<uint32_t> m_references{1};
    std::unique_ptr<ctlStockpile> m_control;
};

// What DllCanUnloadNow counts: live component objects (controls and class factories) and server locks.
namespace component {
void objectCreated();
void objectDestroyed();
void lock(bool locked);
bool inUse();
} // namespace component

} // namespace kv380
