#pragma once

#include "host/HostServices.h"

#include <memory>

namespace kv380::demo {

class OutsideServices;

// The datasheet editor of the demo workspace: opening an object shows its datasheet.
class DatasheetEditor : public IKVDatasheetEditor {
public:
    explicit DatasheetEditor(std::shared_ptr<OutsideServices> services) : m_services(std::move(services)) {}

    // Shows or hides the editor (remembered; the datasheets themselves are shown as they open).
    void setVisible(bool bVisible) override { m_visible = bVisible; }
    // Brings the editor to the front (counted).
    void Activate() override { ++m_activations; }
    // Shows the datasheet of the object; error 5 for an object the workspace does not hold.
    void OpenObject(int32_t lObjectId) override;

    bool visible() const { return m_visible; }
    int activations() const { return m_activations; }

private:
    std::shared_ptr<OutsideServices> m_services;
    bool m_visible = false;
    int m_activations = 0;
};

// Gives the demo workspace's datasheet editor; nothing for any other workspace.
class DatasheetEditorFactory : public KVDatasheetEditorFactory {
public:
    explicit DatasheetEditorFactory(std::shared_ptr<OutsideServices> services)
        : m_services(std::move(services)) {}

    // The editor for the workspace, in `editor`; nothing when the workspace is not the demo's.
    void GetEditor(const std::shared_ptr<IKVWorkspace>& workspace,
                   std::shared_ptr<HostObject>& editor) override;

private:
    std::shared_ptr<OutsideServices> m_services;
};

// Shows datasheets without an editor window.
class DatasheetLauncher : public KVDatasheetLauncher {
public:
    explicit DatasheetLauncher(std::shared_ptr<OutsideServices> services) : m_services(std::move(services)) {}

    // Shows the object's datasheet; another workspace or an unknown object is error 5. The two arrays are
    // the launcher's own and stay as they are.
    void ShowDatasheets(const std::shared_ptr<IKVWorkspace>& workspace, int32_t lObjectId,
                        VariantArray& vArray1, VariantArray& vArray2) override;

private:
    std::shared_ptr<OutsideServices> m_services;
};

} // namespace kv380::demo
