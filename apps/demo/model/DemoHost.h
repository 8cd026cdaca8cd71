#pragma once

#include "host/HostServices.h"
#include "platform/Scheduler.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kv380::demo {

class DialogBar;
class Document;
class DrawingApplication;
class DwgApp;
class HostContext;
class OutsideServices;
class SymbolLibrary;
class SymbolStore;
class Workspace;
class WorkspaceDatabase;

// The titles of the two bars of the drawing application.
inline constexpr const char* StockpileBarTitle = "Stockpile";
inline constexpr const char* SymbolLibraryBarTitle = "Symbol Library";

struct DemoHostOptions {
    // The sample files (plant.sql, symbols/, the symbol library's XML); empty: defaultExamplesFolder().
    std::string examplesFolder{};
    // Where the workspace database lives; empty: defaultDataFolder().
    std::string dataFolder{};
    // Where loads complete and the workspace opens; empty: the process's current scheduler.
    std::shared_ptr<Scheduler> scheduler{};
};

// The reference host: a drawing application with a "Stockpile" and a "Symbol Library" bar, over a workspace
// database made from the examples. A window embeds the stock pile control in the "Stockpile" bar and backs
// the bars with docks; without a window the bars live in memory.
//
//   auto host = DemoHost::create();
//   control.setApplicationObject(host->application());   // the control subscribes to workspace events
//   host->openWorkspaceLater();                          // event 3 arrives through the scheduler
class DemoHost {
public:
    // Finds or creates the workspace database (first run: from examples/plant.sql; see openWorkspace), reads
    // the symbol library's files and puts the host together, closed. The host's outside classes are the
    // process's while it lives. Failures throw AutomationError; a workspace database that cannot be used is
    // one such error, naming the file and --reset.
    static std::unique_ptr<DemoHost> create(DemoHostOptions options = {});
    ~DemoHost();
    DemoHost(const DemoHost&) = delete;
    DemoHost& operator=(const DemoHost&) = delete;

    // What the control is handed as its application object.
    const std::shared_ptr<DrawingApplication>& application() const { return m_application; }
    const std::shared_ptr<DwgApp>& dwgApp() const { return m_dwgApp; }
    const std::shared_ptr<Workspace>& workspace() const { return m_workspace; }
    const std::shared_ptr<SymbolStore>& symbolStore() const { return m_symbolStore; }
    const std::shared_ptr<SymbolLibrary>& symbolLibrary() const { return m_symbolLibrary; }
    const std::shared_ptr<OutsideServices>& services() const { return m_services; }
    const std::shared_ptr<DialogBar>& stockpileBar() const { return m_stockpileBar; }
    const std::shared_ptr<DialogBar>& symbolLibraryBar() const { return m_symbolLibraryBar; }
    WorkspaceDatabase& database() const;
    const std::string& symbolRoot() const { return m_symbolRoot; }
    // Empty, or what the user must be told once about the workspace database (it cannot be written, so the
    // session keeps its changes in memory).
    const std::string& workspaceNotice() const { return m_workspaceNotice; }

    // Opens the workspace as a host does once it has started: later, through the scheduler, Status 3 and
    // event 3 to the workspace's subscribers.
    void openWorkspaceLater();
    // Closes it the same way: Status 0, the organisations dropped, event 2.
    void closeWorkspaceLater();
    // Opens the drawing of a workspace diagram (or finds it open) and makes it active. An unknown diagram
    // is error 5.
    std::shared_ptr<Document> openDiagram(int64_t diagramId);

private:
    DemoHost() = default;

    std::string m_symbolRoot;
    std::string m_workspaceNotice;
    std::shared_ptr<HostContext> m_context;
    std::shared_ptr<Workspace> m_workspace;
    std::shared_ptr<SymbolStore> m_symbolStore;
    std::shared_ptr<SymbolLibrary> m_symbolLibrary;
    std::shared_ptr<DrawingApplication> m_application;
    std::shared_ptr<DwgApp> m_dwgApp;
    std::shared_ptr<OutsideServices> m_services;
    std::shared_ptr<DialogBar> m_stockpileBar;
    std::shared_ptr<DialogBar> m_symbolLibraryBar;
    OutsideClassFactories m_previousFactories;
    bool m_factoriesInstalled = false;
};

} // namespace kv380::demo
