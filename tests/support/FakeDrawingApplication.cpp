#include "support/FakeDrawingApplication.h"

#include <algorithm>

namespace kv380::test {

std::string FakePlacedSymbol::SymbolPath() {
    m_ledger->enter("PlacedSymbol.SymbolPath");
    return m_path;
}

std::shared_ptr<DrwPlacedSymbol> FakeSheet::PlaceSymbol(int32_t lFlags, const std::string& symbolPath,
                                                        double x, double y) {
    m_ledger->enter("Sheet.PlaceSymbol");
    m_drawing->placements.push_back({m_name, lFlags, symbolPath, x, y});
    return std::make_shared<FakePlacedSymbol>(m_ledger, symbolPath);
}

FakeDrawing::FakeDrawing(std::shared_ptr<FakeHostLedger> ledger, std::string name, bool visible)
    : m_ledger(std::move(ledger)), m_data(std::make_shared<DrawingData>()) {
    m_data->name = std::move(name);
    m_data->visible = visible;
}

std::shared_ptr<DrwSheet> FakeDrawing::Sheet(const std::string& name) {
    m_ledger->enter("Document.Sheet");
    m_data->sheetsAsked.push_back(name);
    return std::make_shared<FakeSheet>(m_ledger, m_data, name);
}

void FakeDrawing::Close(bool bSaveChanges) {
    m_ledger->enter("Document.Close");
    m_data->closed = true;
    m_data->closedWithSave = bSaveChanges;
}

bool FakeDialogBar::Visible() {
    m_ledger->enter("DialogBar.Visible");
    return m_data.visible;
}

void FakeDialogBar::setVisible(bool bVisible) {
    m_ledger->enter("DialogBar.setVisible");
    m_data.visible = bVisible;
    m_data.visibilitySets.push_back(bVisible);
}

int32_t FakeDialogBar::Height() {
    m_ledger->enter("DialogBar.Height");
    return m_data.height;
}

std::shared_ptr<HostObject> FakeDialogBar::HostedControl() {
    m_ledger->enter("DialogBar.HostedControl");
    return m_data.hostedControl;
}

std::shared_ptr<DrwDocument> FakeDocuments::Add(bool bVisible) {
    m_ledger->enter("Documents.Add");
    auto drawing = std::make_shared<FakeDrawing>(
        m_ledger, "Drawing" + std::to_string(m_application->addedDocuments.size() + 1), bVisible);
    m_application->addedDocuments.push_back(drawing);
    return drawing;
}

FakeDrawingApplication::FakeDrawingApplication(std::shared_ptr<FakeHostLedger> ledger)
    : m_ledger(std::move(ledger)), m_data(std::make_shared<DrawingApplicationData>()),
      m_documents(std::make_shared<FakeDocuments>(m_ledger, m_data)) {}

std::shared_ptr<DrwDocument> FakeDrawingApplication::ActiveDocument() {
    m_ledger->enter("DrawingApplication.ActiveDocument");
    return m_data->activeDocument;
}

std::shared_ptr<HostObject> FakeDrawingApplication::DatabaseServer() {
    m_ledger->enter("DrawingApplication.DatabaseServer");
    if (m_data->databaseServerOverride) {
        return m_data->databaseServerOverride;
    }
    auto server = m_databaseServer.lock();
    if (!server) {
        kv380::raise(err::ObjectNotSet, "FakeHost"); // the host is gone
    }
    return server;
}

std::shared_ptr<DrwDocuments> FakeDrawingApplication::Documents() {
    m_ledger->enter("DrawingApplication.Documents");
    return m_documents;
}

std::shared_ptr<DrwDialogBar> FakeDrawingApplication::DialogBars(const std::string& title) {
    m_ledger->enter("DrawingApplication.DialogBars");
    return bar(title);
}

void FakeDrawingApplication::StartCommand(const std::string& command) {
    m_ledger->enter("DrawingApplication.StartCommand");
    m_data->startedCommands.push_back(command);
}

void FakeDrawingApplication::setStatusBar(const std::string& text) {
    m_ledger->enter("DrawingApplication.setStatusBar");
    m_data->statusBarTexts.push_back(text);
}

void FakeDrawingApplication::RunCommand(int32_t iCommand) {
    m_ledger->enter("DrawingApplication.RunCommand");
    m_data->runCommands.push_back(iCommand);
}

std::shared_ptr<FakeDialogBar> FakeDrawingApplication::bar(const std::string& title) const {
    auto& bars = m_data->dialogBars;
    auto it = std::find_if(bars.begin(), bars.end(), [&](const auto& b) { return b->data().title == title; });
    return it == bars.end() ? nullptr : *it;
}

std::shared_ptr<FakeDialogBar> FakeDrawingApplication::addBar(DialogBarData data) {
    m_data->dialogBars.push_back(std::make_shared<FakeDialogBar>(m_ledger, std::move(data)));
    return m_data->dialogBars.back();
}

void FakeDrawingApplication::removeBar(const std::string& title) {
    std::erase_if(m_data->dialogBars, [&](const auto& b) { return b->data().title == title; });
}

} // namespace kv380::test
