#include "window/StatusMessages.h"

#include <QStatusBar>

namespace kv380::demo {

StatusMessages::StatusMessages(QStatusBar& bar, QObject* parent, std::chrono::milliseconds reportTime)
    : QObject(parent), m_bar(bar), m_reportTime(reportTime) {}

void StatusMessages::report(const QString& text) {
    m_bar.showMessage(text, static_cast<int>(m_reportTime.count()));
}

void StatusMessages::begin(const QString& text) {
    m_bar.showMessage(text);
}

void StatusMessages::finished(const QString& text) {
    if (m_bar.currentMessage() == text) {
        m_bar.clearMessage();
    }
}

WorkspaceOpening::WorkspaceOpening(std::shared_ptr<IKVEventSource> workspaceEvents, StatusMessages& messages)
    : m_source(std::move(workspaceEvents)), m_messages(messages) {
    m_source->AddSubscriber(this, m_cookie);
}

WorkspaceOpening::~WorkspaceOpening() {
    try {
        m_source->RemoveSubscriber(m_cookie);
    } catch (...) {
        // The source forgot us already: nothing is left to end.
    }
}

void WorkspaceOpening::started() {
    m_messages.begin(Text);
}

void WorkspaceOpening::OnEvent(int32_t lEventType, const VariantArray&) {
    if (lEventType == 3) {
        m_messages.finished(Text);
    }
}

} // namespace kv380::demo
