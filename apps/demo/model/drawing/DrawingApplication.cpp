#include "model/drawing/DrawingApplication.h"

#include "platform/AutomationError.h"

#include <algorithm>

namespace kv380::demo {

DrawingApplication::DrawingApplication(std::shared_ptr<HostContext> context)
    : m_context(std::move(context)), m_documents(kv380::demo::Documents::create()) {}

std::shared_ptr<DrwDocument> DrawingApplication::ActiveDocument() {
    return m_documents->active();
}

std::shared_ptr<HostObject> DrawingApplication::DatabaseServer() {
    auto server = m_databaseServer.lock();
    if (!server) {
        raise(err::ObjectNotSet, DrawingErrorSource);
    }
    return server;
}

std::shared_ptr<DrwDocuments> DrawingApplication::Documents() {
    return m_documents;
}

std::shared_ptr<DrwDialogBar> DrawingApplication::DialogBars(const std::string& title) {
    return bar(title);
}

void DrawingApplication::StartCommand(const std::string& command) {
    m_commands.push_back("StartCommand " + command);
    if (const auto connector = parseConnectorCommand(command); connector && onConnectorStarted) {
        onConnectorStarted(*connector);
        return;
    }
    setStatusBar("Command: " + command);
}

void DrawingApplication::setStatusBar(const std::string& text) {
    m_statusText = text;
    if (onStatusText) {
        onStatusText(m_statusText);
    }
}

void DrawingApplication::RunCommand(int32_t iCommand) {
    m_commands.push_back("RunCommand " + std::to_string(iCommand));
    if (iCommand == FindOnDrawingsCommand) {
        const FoundOnDrawings found = findOnDrawings(m_context->database(), m_statusText);
        setStatusBar(found.text);
        if (onFound) {
            onFound(found);
        }
    } else {
        setStatusBar("Command " + std::to_string(iCommand) + " is not available in the demo");
    }
}

std::shared_ptr<DialogBar> DrawingApplication::addBar(const std::string& title,
                                                      std::shared_ptr<BarSurface> surface) {
    m_bars.push_back(std::make_shared<DialogBar>(title, std::move(surface)));
    return m_bars.back();
}

std::shared_ptr<DialogBar> DrawingApplication::bar(const std::string& title) const {
    auto it = std::find_if(m_bars.begin(), m_bars.end(), [&](const auto& b) { return b->title() == title; });
    return it == m_bars.end() ? nullptr : *it;
}

} // namespace kv380::demo
