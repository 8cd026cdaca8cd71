#pragma once

#include "platform/Export.h"

#include "host/DrwApplication.h"
#include "host/HostObject.h"
#include "host/HostObjectModel.h"
#include "host/IDispatchObject.h"
#include "host/ObjectCollection.h"
#include "platform/hosting/Guid.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kv380 {

namespace ui {
class UserControl;
}

// The class name a host creates the stock pile by, and its fixed identifiers.
inline constexpr const char* StockpileProgId = "projStockpile.ctlStockpile";
inline constexpr hosting::Guid CLSID_ctlStockpile{
    0x6B1F3A2C, 0x38D4, 0x4E61, {0x9A, 0x57, 0x3C, 0x80, 0x4B, 0x12, 0xE7, 0x0D}};
inline constexpr hosting::Guid IID__ctlStockpile{
    0x6B1F3A2D, 0x38D4, 0x4E61, {0x9A, 0x57, 0x3C, 0x80, 0x4B, 0x12, 0xE7, 0x0D}};

// The stock pile's default interface, dual: its operations in slot order, called through this table or
// late-bound by name or dispatch number (IDispatchObject; the numbers run from 1 in the same order, a
// property's read and assignment sharing one). A host creates the control through its class factory
// (DllGetClassObject) and lets go of it with Release; the last Release tears the control down.
class KV380_API _ctlStockpile : public IDispatchObject {
public:
    // 1: any object the host wants to park here; the control itself never reads or writes it.
    virtual std::shared_ptr<HostObject> m_DRWObjectSelected() = 0;
    virtual void setm_DRWObjectSelected(std::shared_ptr<HostObject> object) = 0;
    // 2, 3: the dialog bar's visibility stored as a preference, and restored from it.
    virtual void SaveVisibility() = 0;
    virtual void RestoreVisibility() = 0;
    // 4: the drawing application the control is attached to.
    virtual std::shared_ptr<DrwApplication> ApplicationObject() = 0;
    virtual void setApplicationObject(std::shared_ptr<DrwApplication> application) = 0;
    // 5: reloads the shown view's objects.
    virtual void RefreshSymbols() = 0;
    // 6, 7: the objects being dragged out, and those selected in the shown list.
    virtual std::shared_ptr<ObjectCollection> DragDropObject() = 0;
    virtual std::shared_ptr<ObjectCollection> SelectedObjects() = 0;
    // 8: the host's pixel sizing call; x and y are raised to 240 x 100 (at 96 dots per inch; the same size in
    // device-independent pixels on denser screens) and written back.
    virtual void ResizeLayout(int32_t& x, int32_t& y) = 0;
    // 9: the host's dialog bar the control sits in.
    virtual std::shared_ptr<DrwDialogBar> DialogBar() = 0;
    virtual void setDialogBar(std::shared_ptr<DrwDialogBar> bar) = 0;
    // 10 to 16: which symbol an object is placed with, and what else the host asks about it.
    virtual std::shared_ptr<IKVPresentedObject> GetObjectSymbol(const std::string& strObject,
                                                                std::string& strSymbol, bool bMappedSymbol,
                                                                bool bSearchMapped = false) = 0;
    virtual bool GetSimObjectMapSymbol(std::string& strSymbol) = 0;
    virtual std::string GetSimObjectMapReference() = 0;
    virtual std::string GetObjectMapReference(const std::string& strId) = 0;
    virtual void SetObjectMapReference(const std::string& strId, const std::string& strMapReference) = 0;
    virtual std::string GetConnectionInfo(const std::string& strId, const std::string& strEndObject) = 0;
    virtual std::string GetNextObjectSymbol(const std::string& strObject,
                                            const std::string& strOldSymbol) = 0;
    // 17 to 22: the diagram class shown, the symbol map, conversions and the active drawing.
    virtual std::string GetDiagramClass() = 0;
    virtual std::string GetMappedSymbol(const std::string& sTarget, std::string& sServerID) = 0;
    virtual std::string GetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                                     const std::string& sTarget) = 0;
    virtual void SetSymbolMap(const std::string& sID, const std::string& sDiagramClass,
                              const std::string& sTarget, const std::string& sPath) = 0;
    virtual bool IsDiagramConversion(const std::string& sTargetClass, bool& bSimConversion) = 0;
    virtual void DocumentActivated(const std::string& sDiagramClass, const std::string& sDiagramID) = 0;

    // Not a slot: the user control a renderer draws, for as long as this object lives.
    virtual ui::UserControl& UserControl() = 0;

    // Not a slot: the host's hook for "place this object". The control calls it when the user presses Enter
    // on one object of the shown list; the host places the object on its active drawing (at the view's
    // centre, say). Whatever the hook throws is reported under "PlaceObject" and the control goes on. An
    // empty hook (the default) leaves Enter without effect.
    using PlaceObjectHook = std::function<void(const std::shared_ptr<IKVPresentedObject>& object)>;
    virtual void setPlaceObjectHook(PlaceObjectHook hook) = 0;

protected:
    ~_ctlStockpile() = default;
};

} // namespace kv380
