#include "support/FakeHost.h"

#include <stdexcept>
#include <utility>

namespace kv380::test {

FakeHost::FakeHost() : FakeHost(std::vector<Step>{}) {}

FakeHost::FakeHost(const std::vector<Step>& steps)
    : m_ledger(std::make_shared<FakeHostLedger>()), m_workspace(std::make_shared<FakeWorkspace>(m_ledger, 0)),
      m_workspaceEvents(std::make_shared<FakeEventSource>(m_ledger, "WorkspaceEvents")),
      m_documentMap(std::make_shared<FakeDocumentMap>(m_ledger)),
      m_symbolStore(std::make_shared<FakeSymbolStore>(m_ledger)),
      m_symbolLibrary(std::make_shared<FakeSymbolLibrary>(m_ledger)),
      m_application(std::make_shared<FakeDrawingApplication>(m_ledger)),
      m_dwgApp(std::make_shared<FakeDwgApp>(
          m_ledger,
          FakeDwgApp::Parts{m_documentMap, m_workspace, m_workspaceEvents, m_application, m_symbolStore})),
      m_services(std::make_shared<FakeServicesData>()) {
    m_application->setDatabaseServer(m_dwgApp);
    m_application->addBar({.title = "Stockpile"});
    m_application->addBar({.title = "Symbol Library", .hostedControl = m_symbolLibrary});
    for (const auto& step : steps) {
        step(*this);
    }
    m_previousFactories =
        setOutsideClassFactories(fakeOutsideClassFactories(m_ledger, m_services, m_workspace));
}

FakeHost::~FakeHost() {
    setOutsideClassFactories(std::move(m_previousFactories));
}

std::shared_ptr<FakeOrganisation> FakeHost::organisation(const std::string& name) const {
    auto found = organisations()->find(name);
    if (!found) {
        throw std::invalid_argument("the fake host has no organisation " + name);
    }
    return found;
}

std::shared_ptr<FakeViews> FakeHost::views(const std::string& organisationName) const {
    return organisation(organisationName)->views();
}

std::shared_ptr<FakeView> FakeHost::view(const std::string& organisationName,
                                         const std::string& viewName) const {
    auto found = views(organisationName)->find(viewName);
    if (!found) {
        throw std::invalid_argument("the fake host has no view " + organisationName + "/" + viewName);
    }
    return found;
}

std::shared_ptr<FakePresentedObjects> FakeHost::objects(const std::string& organisationName,
                                                        const std::string& viewName) const {
    return view(organisationName, viewName)->objects();
}

std::shared_ptr<FakePresentedObject> FakeHost::object(const std::string& id) const {
    auto found = m_workspace->objectsWithId(id);
    if (found.empty()) {
        throw std::invalid_argument("the fake host has no object " + id);
    }
    return found.front();
}

void FakeHost::openWorkspace() {
    m_workspace->status() = 3;
    m_workspaceEvents->raise(3);
}

void FakeHost::closeWorkspace() {
    m_workspace->status() = 0;
    m_workspaceEvents->raise(2);
}

void FakeHost::configureWorkspace() {
    m_workspaceEvents->raise(1);
}

void FakeHost::completeLoadsThrough(std::shared_ptr<Scheduler> scheduler) {
    m_ledger->completeLoadsThrough(std::move(scheduler));
}

std::shared_ptr<FakeDialogBar> FakeHost::bar(const std::string& title) const {
    auto found = m_application->bar(title);
    if (!found) {
        throw std::invalid_argument("the fake host has no dialog bar " + title);
    }
    return found;
}

std::shared_ptr<FakeDrawing> FakeHost::addDocument(const std::string& diagramId,
                                                   const std::string& diagramClass) {
    auto drawing = std::make_shared<FakeDrawing>(m_ledger, "Diagram " + diagramId, true);
    m_documentMap->add(drawing, {diagramId, diagramClass});
    return drawing;
}

std::shared_ptr<FakeDrawing> FakeHost::drawing(const std::string& diagramId) const {
    auto found = m_documentMap->drawingOf(diagramId);
    if (!found) {
        throw std::invalid_argument("the fake host has no drawing of diagram " + diagramId);
    }
    return found;
}

void FakeHost::activateDocument(const std::string& diagramId) {
    m_application->data().activeDocument = drawing(diagramId);
}

void FakeHost::deactivateDocuments() {
    m_application->data().activeDocument.reset();
}

void FakeHost::symbolBehaviour(const std::string& symbolPath, int32_t behaviour,
                               std::string expansionTargetClass) {
    m_services->behaviours[symbolPath] = {behaviour, std::move(expansionTargetClass)};
}

FakeHost::Builder& FakeHost::Builder::organisation(std::string name) {
    m_steps.push_back([name = std::move(name)](FakeHost& host) { host.organisations()->add(name); });
    ++m_organisations;
    m_views = 0;
    return *this;
}

FakeHost::Builder& FakeHost::Builder::view(std::string name, std::string diagramClass, std::string id) {
    if (m_organisations == 0) {
        throw std::logic_error("a view needs an organisation first");
    }
    if (id.empty()) {
        id = std::to_string(m_nextViewId);
    }
    ++m_nextViewId;
    const auto organisation = static_cast<std::size_t>(m_organisations - 1);
    m_steps.push_back([=](FakeHost& host) {
        host.organisations()->items()[organisation]->views()->add(
            {.name = name, .id = id, .diagramClass = diagramClass});
    });
    ++m_views;
    return *this;
}

FakeHost::Builder& FakeHost::Builder::object(ObjectData data) {
    if (m_views == 0) {
        throw std::logic_error("an object needs a view first");
    }
    const auto organisation = static_cast<std::size_t>(m_organisations - 1);
    const auto view = static_cast<std::size_t>(m_views - 1);
    m_steps.push_back([=](FakeHost& host) {
        host.organisations()->items()[organisation]->views()->items()[view]->objects()->add(data);
    });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::symbolFile(std::string relativePath, std::string content) {
    m_steps.push_back([=](FakeHost& host) { host.symbolStore()->addFile(relativePath, content); });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::document(std::string diagramId, std::string diagramClass) {
    m_steps.push_back([=](FakeHost& host) { host.addDocument(diagramId, diagramClass); });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::activeDocument(std::string diagramId, std::string diagramClass) {
    m_steps.push_back([=](FakeHost& host) {
        host.addDocument(diagramId, diagramClass);
        host.activateDocument(diagramId);
    });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::workspaceStatus(int32_t status) {
    m_steps.push_back([=](FakeHost& host) { host.workspace()->status() = status; });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::withoutBar(std::string title) {
    m_steps.push_back([=](FakeHost& host) { host.application()->removeBar(title); });
    return *this;
}

FakeHost::Builder& FakeHost::Builder::completeLoadsThrough(std::shared_ptr<Scheduler> scheduler) {
    m_steps.push_back([=](FakeHost& host) { host.completeLoadsThrough(scheduler); });
    return *this;
}

} // namespace kv380::test
