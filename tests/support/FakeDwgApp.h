#pragma once

#include "host/IKVDwgApp.h"
#include "support/FakeDocumentMap.h"
#include "support/FakeDrawingApplication.h"
#include "support/FakeEventSource.h"
#include "support/FakeSymbolStore.h"
#include "support/FakeWorkspace.h"

#include <memory>

namespace kv380::test {

// The host's application service: the way from the drawing application to the workspace and the symbols.
class FakeDwgApp : public IKVDwgApp {
public:
    struct Parts {
        std::shared_ptr<FakeDocumentMap> documentMap;
        std::shared_ptr<FakeWorkspace> workspace;
        std::shared_ptr<FakeEventSource> workspaceEvents;
        std::shared_ptr<FakeDrawingApplication> application;
        std::shared_ptr<FakeSymbolStore> symbolStore;
    };

    FakeDwgApp(std::shared_ptr<FakeHostLedger> ledger, Parts parts)
        : m_ledger(std::move(ledger)), m_parts(std::move(parts)) {}

    std::shared_ptr<IKVDocumentMap> DocumentMap() override {
        m_ledger->enter("DwgApp.DocumentMap");
        return m_parts.documentMap;
    }
    std::shared_ptr<IKVWorkspace> WorkSpace() override {
        m_ledger->enter("DwgApp.WorkSpace");
        return m_parts.workspace;
    }
    std::shared_ptr<IKVWorkspaceModel> WorkspaceModel() override {
        m_ledger->enter("DwgApp.WorkspaceModel");
        return m_parts.workspace;
    }
    std::shared_ptr<IKVEventSource> WorkspaceEventSource() override {
        m_ledger->enter("DwgApp.WorkspaceEventSource");
        return m_parts.workspaceEvents;
    }
    std::shared_ptr<kv380::DrwApplication> DrawingApplication() override {
        m_ledger->enter("DwgApp.DrawingApplication");
        return m_parts.application;
    }
    std::shared_ptr<IKVSymbolStore> SymbolStore() override {
        m_ledger->enter("DwgApp.SymbolStore");
        return m_parts.symbolStore;
    }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    Parts m_parts;
};

} // namespace kv380::test
