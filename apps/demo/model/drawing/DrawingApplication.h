#pragma once

#include "host/DrwApplication.h"
#include "model/HostContext.h"
#include "model/drawing/ConnectorCommand.h"
#include "model/drawing/DialogBar.h"
#include "model/drawing/Documents.h"
#include "model/drawing/FindOnDrawings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kv380::demo {

// The drawing application the demo host plays: its drawings, its dialog bars, its status bar and its
// command line. Commands are recorded and answered in the status bar.
class DrawingApplication : public DrwApplication {
public:
    explicit DrawingApplication(std::shared_ptr<HostContext> context);

    // The active drawing, or nothing.
    std::shared_ptr<DrwDocument> ActiveDocument() override;
    // The host's application service; error 91 once the host is gone.
    std::shared_ptr<HostObject> DatabaseServer() override;
    // The open drawings.
    std::shared_ptr<DrwDocuments> Documents() override;
    // The bar of that title, or nothing.
    std::shared_ptr<DrwDialogBar> DialogBars(const std::string& title) override;
    // Starts a command given as text: the connector tool for a connector command, when one is there to take
    // it (onConnectorStarted); any other command is only named in the status bar.
    void StartCommand(const std::string& command) override;
    // Shows a text in the status bar.
    void setStatusBar(const std::string& text) override;
    // Runs a numbered command: 12094 finds the object named in the status bar on the drawings; the demo
    // has no other numbered commands and says so in the status bar.
    void RunCommand(int32_t iCommand) override;

    // The host's side.
    const std::shared_ptr<kv380::demo::Documents>& documents() const { return m_documents; }
    // Adds a bar (an empty surface: in memory) and answers it.
    std::shared_ptr<DialogBar> addBar(const std::string& title, std::shared_ptr<BarSurface> surface = {});
    // The bar of that title, or nothing.
    std::shared_ptr<DialogBar> bar(const std::string& title) const;
    // The application service DatabaseServer answers, held weakly (the host owns it).
    void setDatabaseServer(std::weak_ptr<HostObject> server) { m_databaseServer = std::move(server); }

    const std::string& statusText() const { return m_statusText; }
    // The commands started and run, in order: "StartCommand <text>", "RunCommand <number>".
    const std::vector<std::string>& commands() const { return m_commands; }
    // Called with every new status-bar text (the window shows it).
    std::function<void(const std::string&)> onStatusText;
    // Called when the find command has run, with what it found (the window highlights the drawings and the
    // object's placements on them).
    std::function<void(const FoundOnDrawings&)> onFound;
    // Called when a connector command starts the connector tool (the tool says what to do next).
    std::function<void(const ConnectorCommand&)> onConnectorStarted;

private:
    std::shared_ptr<HostContext> m_context;
    std::shared_ptr<kv380::demo::Documents> m_documents;
    std::vector<std::shared_ptr<DialogBar>> m_bars;
    std::weak_ptr<HostObject> m_databaseServer;
    std::string m_statusText;
    std::vector<std::string> m_commands;
};

} // namespace kv380::demo
