#pragma once

#include "host/HostServices.h"
#include "support/FakeDocumentMap.h"
#include "support/FakeDrawingApplication.h"
#include "support/FakeDwgApp.h"
#include "support/FakeEventSource.h"
#include "support/FakeHostLedger.h"
#include "support/FakeHostServices.h"
#include "support/FakePresentedObjects.h"
#include "support/FakeSymbolLibrary.h"
#include "support/FakeSymbolStore.h"
#include "support/FakeViews.h"
#include "support/FakeWorkspace.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {

// An in-memory host for the component: a workspace of organisations, views and presented objects, the
// drawing application with its "Stockpile" and "Symbol Library" bars, the host's records of drawings, a
// symbol store on a temporary directory and the outside services (installed as the process's factories
// while the host lives).
//
//   FakeHost host = FakeHost::Builder()
//                       .organisation("By Plot Area")
//                       .view("All Objects", "PFD")
//                       .object({.id = "47", .key = "P-101", .symbol = "Pumps\\Centrifugal.sym"})
//                       .symbolFile("Pumps\\Centrifugal.sym")
//                       .build();
//   control.setApplicationObject(host.application());
//   host.openWorkspace();      // event 3; the control asks for the organisations
//   host.completeLoads();      // completions arrive, and the loads they lead to complete too
//
// Every call into the host is logged by operation name ("Views.Load", "PresentedObject.setSymbol"...);
// failOn makes the n-th call of an operation throw FakeHost::injectedError(operation).
class FakeHost {
public:
    class Builder;

    // A host with an empty, closed workspace.
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // What the component is handed: the drawing application (its ApplicationObject) and, through it, this.
    std::shared_ptr<FakeDrawingApplication> application() const { return m_application; }
    std::shared_ptr<FakeDwgApp> dwgApp() const { return m_dwgApp; }

    // The workspace. The lookups by name throw std::invalid_argument when there is no such thing.
    std::shared_ptr<FakeWorkspace> workspace() const { return m_workspace; }
    std::shared_ptr<FakeOrganisations> organisations() const { return m_workspace->organisations(); }
    std::shared_ptr<FakeOrganisation> organisation(const std::string& name) const;
    std::shared_ptr<FakeViews> views(const std::string& organisation) const;
    std::shared_ptr<FakeView> view(const std::string& organisation, const std::string& view) const;
    std::shared_ptr<FakePresentedObjects> objects(const std::string& organisation,
                                                  const std::string& view) const;
    // The first presented object with that identifier, in any view.
    std::shared_ptr<FakePresentedObject> object(const std::string& id) const;
    std::shared_ptr<FakeEventSource> workspaceEvents() const { return m_workspaceEvents; }

    // Workspace events: open sets Status 3 and raises 3, close sets Status 0 and raises 2, configure
    // raises 1.
    void openWorkspace();
    void closeWorkspace();
    void configureWorkspace();

    // Loads complete only here (or through a scheduler, see completeLoadsThrough), never inside Load.
    bool completeNextLoad() { return m_ledger->completeNextLoad(); }
    // Completes every pending load, and the loads their completions request, until none is left.
    int completeLoads() { return m_ledger->completeLoads(); }
    std::vector<std::string> pendingLoads() const { return m_ledger->pendingLoads(); }
    void completeLoadsThrough(std::shared_ptr<Scheduler> scheduler);

    // The drawing application's side.
    std::shared_ptr<FakeSymbolLibrary> symbolLibrary() const { return m_symbolLibrary; }
    std::shared_ptr<FakeDialogBar> bar(const std::string& title) const;
    std::shared_ptr<FakeDocumentMap> documentMap() const { return m_documentMap; }
    // A drawing the host knows, with its diagram identifier and class.
    std::shared_ptr<FakeDrawing> addDocument(const std::string& diagramId, const std::string& diagramClass);
    std::shared_ptr<FakeDrawing> drawing(const std::string& diagramId) const;
    void activateDocument(const std::string& diagramId);
    // No drawing is active.
    void deactivateDocuments();

    // The symbol store.
    std::shared_ptr<FakeSymbolStore> symbolStore() const { return m_symbolStore; }
    const std::string& symbolRoot() const { return m_symbolStore->root(); }
    std::string symbolPath(const std::string& relativePath) const {
        return m_symbolStore->pathOf(relativePath);
    }

    // The outside services' scripts and records; symbol behaviours by the path a symbol is placed with.
    FakeServicesData& services() { return *m_services; }
    void symbolBehaviour(const std::string& symbolPath, int32_t behaviour,
                         std::string expansionTargetClass = {});

    // Failure injection and the call log.
    static AutomationError injectedError(const std::string& operation) {
        return FakeHostLedger::injectedError(operation);
    }
    void failOn(const std::string& operation, int n = 1,
                std::optional<AutomationError> error = std::nullopt) {
        m_ledger->failOn(operation, n, std::move(error));
    }
    void failAlways(const std::string& operation, std::optional<AutomationError> error = std::nullopt) {
        m_ledger->failAlways(operation, std::move(error));
    }
    void failOnWith(const std::string& operation, int n, std::function<void()> thrower) {
        m_ledger->failOnWith(operation, n, std::move(thrower));
    }
    void clearFailures() { m_ledger->clearFailures(); }
    void loseNextCompletion(const std::string& what = {}) { m_ledger->loseNextCompletion(what); }
    void deliverNextCompletionTwice(const std::string& what = {}) { m_ledger->deliverNextCompletionTwice(what); }
    const std::vector<std::string>& calls() const { return m_ledger->calls(); }
    int callCount(const std::string& operation) const { return m_ledger->callCount(operation); }
    void clearCalls() { m_ledger->clearCalls(); }
    const std::shared_ptr<FakeHostLedger>& ledger() const { return m_ledger; }

private:
    using Step = std::function<void(FakeHost&)>;
    explicit FakeHost(const std::vector<Step>& steps);

    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<FakeWorkspace> m_workspace;
    std::shared_ptr<FakeEventSource> m_workspaceEvents;
    std::shared_ptr<FakeDocumentMap> m_documentMap;
    std::shared_ptr<FakeSymbolStore> m_symbolStore;
    std::shared_ptr<FakeSymbolLibrary> m_symbolLibrary;
    std::shared_ptr<FakeDrawingApplication> m_application;
    std::shared_ptr<FakeDwgApp> m_dwgApp;
    std::shared_ptr<FakeServicesData> m_services;
    OutsideClassFactories m_previousFactories;
};

// Describes a host; build() makes it. View identifiers run "1", "2"... across the host unless given.
class FakeHost::Builder {
public:
    Builder& organisation(std::string name);
    // A view of the last organisation.
    Builder& view(std::string name, std::string diagramClass = "PFD", std::string id = {});
    // An object of the last view.
    Builder& object(ObjectData data);
    // A file below the symbol root ("Pumps\\Centrifugal.sym").
    Builder& symbolFile(std::string relativePath, std::string content = "symbol");
    Builder& document(std::string diagramId, std::string diagramClass);
    Builder& activeDocument(std::string diagramId, std::string diagramClass);
    // The workspace's Status before any open or close (0 by default).
    Builder& workspaceStatus(int32_t status);
    Builder& withoutBar(std::string title);
    Builder& completeLoadsThrough(std::shared_ptr<Scheduler> scheduler);

    FakeHost build() const { return FakeHost(m_steps); }

private:
    std::vector<Step> m_steps;
    int m_organisations = 0;
    int m_views = 0; // views of the last organisation
    int m_nextViewId = 1;
};

} // namespace kv380::test
