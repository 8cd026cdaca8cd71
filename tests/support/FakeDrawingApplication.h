#pragma once

#include "host/DrwApplication.h"
#include "support/FakeHostLedger.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kv380::test {

class FakeDrawing;

// One symbol placed on a sheet of a drawing.
struct Placement {
    std::string sheet{};
    int32_t flags = 0;
    std::string symbolPath{};
    double x = 0;
    double y = 0;
};

struct DrawingData {
    std::string name{};
    bool visible = true;
    bool closed = false;
    std::optional<bool> closedWithSave{};
    std::vector<std::string> sheetsAsked{};
    std::vector<Placement> placements{};
};

class FakePlacedSymbol : public DrwPlacedSymbol {
public:
    FakePlacedSymbol(std::shared_ptr<FakeHostLedger> ledger, std::string path)
        : m_ledger(std::move(ledger)), m_path(std::move(path)) {}
    std::string SymbolPath() override;

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::string m_path;
};

class FakeSheet : public DrwSheet {
public:
    FakeSheet(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<DrawingData> drawing, std::string name)
        : m_ledger(std::move(ledger)), m_drawing(std::move(drawing)), m_name(std::move(name)) {}
    std::shared_ptr<DrwPlacedSymbol> PlaceSymbol(int32_t lFlags, const std::string& symbolPath, double x,
                                                 double y) override;

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<DrawingData> m_drawing;
    std::string m_name;
};

// A drawing: one the user works on, or a scratch drawing opened through Documents().Add.
class FakeDrawing : public DrwDocument {
public:
    FakeDrawing(std::shared_ptr<FakeHostLedger> ledger, std::string name, bool visible);

    std::shared_ptr<DrwSheet> Sheet(const std::string& name) override;
    void Close(bool bSaveChanges) override;

    DrawingData& data() { return *m_data; }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<DrawingData> m_data;
};

struct DialogBarData {
    std::string title{};
    bool visible = true;
    int32_t height = 140;
    std::shared_ptr<HostObject> hostedControl{};
    // Every visibility the component set, in order.
    std::vector<bool> visibilitySets{};
};

class FakeDialogBar : public DrwDialogBar {
public:
    FakeDialogBar(std::shared_ptr<FakeHostLedger> ledger, DialogBarData data)
        : m_ledger(std::move(ledger)), m_data(std::move(data)) {}

    bool Visible() override;
    void setVisible(bool bVisible) override;
    int32_t Height() override;
    std::shared_ptr<HostObject> HostedControl() override;

    DialogBarData& data() { return m_data; }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    DialogBarData m_data;
};

struct DrawingApplicationData {
    std::shared_ptr<FakeDrawing> activeDocument{};
    // What DatabaseServer answers instead of the host's IKVDwgApp, when set.
    std::shared_ptr<HostObject> databaseServerOverride{};
    std::vector<std::shared_ptr<FakeDialogBar>> dialogBars{};
    std::vector<std::string> startedCommands{};
    std::vector<std::string> statusBarTexts{};
    std::vector<int32_t> runCommands{};
    // Drawings opened through Documents().Add, in order.
    std::vector<std::shared_ptr<FakeDrawing>> addedDocuments{};
};

class FakeDocuments : public DrwDocuments {
public:
    FakeDocuments(std::shared_ptr<FakeHostLedger> ledger, std::shared_ptr<DrawingApplicationData> application)
        : m_ledger(std::move(ledger)), m_application(std::move(application)) {}
    std::shared_ptr<DrwDocument> Add(bool bVisible) override;

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<DrawingApplicationData> m_application;
};

// The drawing application double: records commands, status-bar texts and scratch drawings; holds the dialog
// bars and the active document.
class FakeDrawingApplication : public DrwApplication {
public:
    explicit FakeDrawingApplication(std::shared_ptr<FakeHostLedger> ledger);

    std::shared_ptr<DrwDocument> ActiveDocument() override;
    std::shared_ptr<HostObject> DatabaseServer() override;
    std::shared_ptr<DrwDocuments> Documents() override;
    std::shared_ptr<DrwDialogBar> DialogBars(const std::string& title) override;
    void StartCommand(const std::string& command) override;
    void setStatusBar(const std::string& text) override;
    void RunCommand(int32_t iCommand) override;

    DrawingApplicationData& data() { return *m_data; }
    // The bar of that title, or nothing.
    std::shared_ptr<FakeDialogBar> bar(const std::string& title) const;
    std::shared_ptr<FakeDialogBar> addBar(DialogBarData data);
    void removeBar(const std::string& title);
    // The host's application service, answered by DatabaseServer (held weakly: the host owns it).
    void setDatabaseServer(std::weak_ptr<HostObject> server) { m_databaseServer = std::move(server); }

private:
    std::shared_ptr<FakeHostLedger> m_ledger;
    std::shared_ptr<DrawingApplicationData> m_data;
    std::shared_ptr<FakeDocuments> m_documents;
    std::weak_ptr<HostObject> m_databaseServer;
};

} // namespace kv380::test
