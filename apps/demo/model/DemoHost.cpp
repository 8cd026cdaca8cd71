#include "model/DemoHost.h"

#include "model/DemoPaths.h"
#include "model/HostContext.h"
#include "model/db/DatabaseError.h"
#include "model/db/WorkspaceCreation.h"
#include "model/drawing/DrawingApplication.h"
#include "model/library/SymbolLibrary.h"
#include "model/services/OutsideServices.h"
#include "model/workspace/DocumentMap.h"
#include "model/workspace/DwgApp.h"
#include "model/workspace/SymbolStore.h"
#include "model/workspace/Workspace.h"
#include "platform/AutomationError.h"

#include <filesystem>

namespace kv380::demo {

std::unique_ptr<DemoHost> DemoHost::create(DemoHostOptions options) {
    const std::string examples =
        options.examplesFolder.empty() ? defaultExamplesFolder() : options.examplesFolder;
    const std::string data = options.dataFolder.empty() ? defaultDataFolder() : options.dataFolder;

    std::unique_ptr<DemoHost> host(new DemoHost());
    host->m_symbolRoot = symbolRootOf((std::filesystem::path(examples) / "symbols").string());
    OpenedWorkspace opened =
        openWorkspace({.dataFolder = data,
                       .examplesFolder = examples,
                       .scriptPath = (std::filesystem::path(examples) / "plant.sql").string(),
                       .symbolRoot = host->m_symbolRoot});
    host->m_workspaceNotice = std::move(opened.notice);
    host->m_context = std::make_shared<HostContext>(std::move(opened.database), std::move(options.scheduler));
    host->m_workspace = std::make_shared<Workspace>(host->m_context);
    host->m_symbolStore = std::make_shared<SymbolStore>(host->m_symbolRoot);
    host->m_symbolLibrary = SymbolLibrary::create(SymbolLibrary::examplesFiles(examples), host->m_symbolRoot);

    host->m_application = std::make_shared<DrawingApplication>(host->m_context);
    host->m_stockpileBar = host->m_application->addBar(StockpileBarTitle);
    host->m_symbolLibraryBar = host->m_application->addBar(SymbolLibraryBarTitle);
    host->m_symbolLibraryBar->setHostedControl(host->m_symbolLibrary);

    host->m_dwgApp =
        std::make_shared<DwgApp>(DwgApp::Parts{std::make_shared<DocumentMap>(host->m_context),
                                               host->m_workspace, host->m_application, host->m_symbolStore});
    host->m_application->setDatabaseServer(host->m_dwgApp);

    host->m_services = OutsideServices::create(host->m_context, host->m_workspace);
    host->m_previousFactories = setOutsideClassFactories(host->m_services->factories());
    host->m_factoriesInstalled = true;
    return host;
}

DemoHost::~DemoHost() {
    if (m_factoriesInstalled) {
        setOutsideClassFactories(std::move(m_previousFactories));
    }
}

WorkspaceDatabase& DemoHost::database() const {
    return m_context->database();
}

void DemoHost::openWorkspaceLater() {
    m_context->later("DemoHost.OpenWorkspace", [workspace = std::weak_ptr<Workspace>(m_workspace)] {
        if (auto open = workspace.lock()) {
            open->open();
        }
    });
}

void DemoHost::closeWorkspaceLater() {
    m_context->later("DemoHost.CloseWorkspace", [workspace = std::weak_ptr<Workspace>(m_workspace)] {
        if (auto open = workspace.lock()) {
            open->close();
        }
    });
}

std::shared_ptr<Document> DemoHost::openDiagram(int64_t diagramId) {
    const auto diagram = database().diagram(diagramId);
    if (!diagram) {
        throw AutomationError(err::InvalidProcedureCall, WorkspaceErrorSource,
                              "The workspace has no diagram " + std::to_string(diagramId));
    }
    return m_application->documents()->openDiagram(*diagram);
}

} // namespace kv380::demo
