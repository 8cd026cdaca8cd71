#include "support/FakeHostServices.h"

#include "host/DrwApplication.h"
#include "support/FakeWorkspace.h"

#include <utility>

namespace kv380::test {

namespace {

class FakeSymbolInfo : public IKVSymbolInfo {
public:
    FakeSymbolInfo(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<FakeServicesData> data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    void ReadSymbol(const std::shared_ptr<DrwPlacedSymbol>& symbol) override {
        m_ledger->enter("SymbolInfo.ReadSymbol");
        m_path = deref(symbol).SymbolPath();
        m_data->symbolsRead.push_back(m_path);
    }
    int32_t Behaviour() override {
        m_ledger->enter("SymbolInfo.Behaviour");
        return lookup().behaviour;
    }
    std::string ExpansionTargetClass() override {
        m_ledger->enter("SymbolInfo.ExpansionTargetClass");
        return lookup().expansionTargetClass;
    }

private:
    SymbolBehaviour lookup() const {
        auto it = m_data->behaviours.find(m_path);
        return it == m_data->behaviours.end() ? SymbolBehaviour{} : it->second;
    }

    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeServicesData> m_data;
    std::string m_path;
};

class FakeDatasheetEditor : public IKVDatasheetEditor {
public:
    FakeDatasheetEditor(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<FakeServicesData> data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    void setVisible(bool bVisible) override {
        m_ledger->enter("DatasheetEditor.setVisible");
        m_data->editorCalls.push_back(bVisible ? "setVisible(true)" : "setVisible(false)");
    }
    void Activate() override {
        m_ledger->enter("DatasheetEditor.Activate");
        m_data->editorCalls.push_back("Activate");
    }
    void OpenObject(int32_t lObjectId) override {
        m_ledger->enter("DatasheetEditor.OpenObject");
        m_data->editorCalls.push_back("OpenObject(" + std::to_string(lObjectId) + ")");
    }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeServicesData> m_data;
};

class FakeDatasheetEditorFactory : public KVDatasheetEditorFactory {
public:
    FakeDatasheetEditorFactory(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<FakeServicesData> data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    void GetEditor(const std::shared_ptr<IKVWorkspace>& workspace,
                   std::shared_ptr<HostObject>& editor) override {
        m_ledger->enter("DatasheetEditorFactory.GetEditor");
        m_data->editorRequests.push_back(workspace);
        editor = m_data->editorAvailable ? std::make_shared<FakeDatasheetEditor>(m_ledger, m_data) : nullptr;
    }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeServicesData> m_data;
};

class FakeDatasheetLauncher : public KVDatasheetLauncher {
public:
    FakeDatasheetLauncher(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<FakeServicesData> data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    void ShowDatasheets(const std::shared_ptr<IKVWorkspace>& workspace, int32_t lObjectId,
                        VariantArray& vArray1, VariantArray& vArray2) override {
        m_ledger->enter("DatasheetLauncher.ShowDatasheets");
        m_data->datasheetRequests.push_back({workspace, lObjectId, vArray1.size(), vArray2.size()});
    }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeServicesData> m_data;
};

class FakeObjectDeleter : public KVObjectDeleter {
public:
    FakeObjectDeleter(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<FakeServicesData> data,
                      std::shared_ptr<FakeWorkspace> workspace)
        : m_ledger(std::move(ledger)), m_data(std::move(data)), m_workspace(std::move(workspace)) {}

    void DeleteObjects(const std::shared_ptr<IKVWorkspace>& workspace,
                       const std::vector<int32_t>& ids) override {
        m_ledger->enter("ObjectDeleter.DeleteObjects");
        m_data->deleteRequests.push_back({workspace, ids});
        for (int32_t id : ids) {
            m_workspace->removeObject(std::to_string(id));
        }
    }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeServicesData> m_data;
    std::shared_ptr<FakeWorkspace> m_workspace;
};

} // namespace

OutsideClassFactories fakeOutsideClassFactories(std::shared_ptr<FakeHostLedger> ledger,
                                                std::shared_ptr<FakeServicesData> data,
                                                std::shared_ptr<FakeWorkspace> workspace) {
    OutsideClassFactories factories;
    factories.datasheetEditorFactory = [ledger, data]() -> std::shared_ptr<KVDatasheetEditorFactory> {
        ledger->enter("DatasheetEditorFactory.create");
        return std::make_shared<FakeDatasheetEditorFactory>(ledger, data);
    };
    factories.datasheetLauncher = [ledger, data]() -> std::shared_ptr<KVDatasheetLauncher> {
        ledger->enter("DatasheetLauncher.create");
        return std::make_shared<FakeDatasheetLauncher>(ledger, data);
    };
    factories.objectDeleter = [ledger, data, workspace]() -> std::shared_ptr<KVObjectDeleter> {
        ledger->enter("ObjectDeleter.create");
        return std::make_shared<FakeObjectDeleter>(ledger, data, workspace);
    };
    factories.symbolInfo = [ledger, data]() -> std::shared_ptr<IKVSymbolInfo> {
        ledger->enter("SymbolInfo.create");
        return std::make_shared<FakeSymbolInfo>(ledger, data);
    };
    return factories;
}

} // namespace kv380::test
