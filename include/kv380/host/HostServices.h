#pragma once

#include "platform/Export.h"

#include "host/HostObject.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The host's outside classes that the component creates itself: the datasheet editor factory, the datasheet
// launcher, the object deleter and the symbol information class. Each comes from a replaceable factory, set
// by the embedding host (or a test); creating one without a factory, or when the factory fails or answers
// nothing, is error 429 ("can't create object").

namespace kv380 {

class IKVWorkspace;
class IKVSymbolInfo;

// A datasheet editor window.
class KV380_API IKVDatasheetEditor : public virtual HostObject {
public:
    // Shows or hides the editor.
    virtual void setVisible(bool bVisible) = 0;
    // Brings the editor to the front.
    virtual void Activate() = 0;
    // Opens the datasheet of the object with that identifier.
    virtual void OpenObject(int32_t lObjectId) = 0;
};

class KV380_API KVDatasheetEditorFactory : public virtual HostObject {
public:
    // The workspace's datasheet editor, untyped in `editor` (callers use it as IKVDatasheetEditor); nothing
    // when there is none.
    virtual void GetEditor(const std::shared_ptr<IKVWorkspace>& workspace,
                           std::shared_ptr<HostObject>& editor) = 0;
};

class KV380_API KVDatasheetLauncher : public virtual HostObject {
public:
    // Shows the datasheets of the object with that identifier; the two arrays are the launcher's own.
    virtual void ShowDatasheets(const std::shared_ptr<IKVWorkspace>& workspace, int32_t lObjectId,
                                VariantArray& vArray1, VariantArray& vArray2) = 0;
};

class KV380_API KVObjectDeleter : public virtual HostObject {
public:
    // Deletes the objects with those identifiers from the workspace, for good.
    virtual void DeleteObjects(const std::shared_ptr<IKVWorkspace>& workspace,
                               const std::vector<int32_t>& ids) = 0;
};

template <class T> using HostFactory = std::function<std::shared_ptr<T>()>;

// Where the outside classes come from; one set per process.
struct KV380_API OutsideClassFactories {
    HostFactory<KVDatasheetEditorFactory> datasheetEditorFactory{};
    HostFactory<KVDatasheetLauncher> datasheetLauncher{};
    HostFactory<KVObjectDeleter> objectDeleter{};
    HostFactory<IKVSymbolInfo> symbolInfo{};
};

// Puts a set of factories in place and answers the set it replaced (to put back later).
KV380_API OutsideClassFactories setOutsideClassFactories(OutsideClassFactories factories);

// Creation: 429 when the factory is missing, fails or answers nothing.
KV380_API std::shared_ptr<KVDatasheetEditorFactory> createDatasheetEditorFactory();
KV380_API std::shared_ptr<KVDatasheetLauncher> createDatasheetLauncher();
KV380_API std::shared_ptr<KVObjectDeleter> createObjectDeleter();
KV380_API std::shared_ptr<IKVSymbolInfo> createSymbolInfo();

} // namespace kv380
