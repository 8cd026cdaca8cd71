#pragma once

#include "host/IKVEventSource.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class QStatusBar;

namespace kv380::demo {

// The status bar as the user reads it: a report (an error, what a command did) stays for a while and goes;
// a text that describes work under way stays until that work is done, and no longer.
class StatusMessages : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds ReportTime{10000};

    explicit StatusMessages(QStatusBar& bar, QObject* parent = nullptr,
                            std::chrono::milliseconds reportTime = ReportTime);

    // Shows a report for the report time, in place of whatever the bar showed.
    void report(const QString& text);
    // Shows the text of work under way until finished(text) (or another message takes its place).
    void begin(const QString& text);
    // The work the text described is done: the text goes, unless another message took its place already.
    void finished(const QString& text);

private:
    QStatusBar& m_bar;
    std::chrono::milliseconds m_reportTime;
};

// Tells the status bar when the workspace has opened, from the workspace's own events (3, opened): "Opening
// the workspace..." lasts as long as the opening. Subscribed while it lives.
class WorkspaceOpening : public IKVEventSubscriber {
public:
    static constexpr const char* Text = "Opening the workspace...";

    WorkspaceOpening(std::shared_ptr<IKVEventSource> workspaceEvents, StatusMessages& messages);
    ~WorkspaceOpening() override;
    WorkspaceOpening(const WorkspaceOpening&) = delete;
    WorkspaceOpening& operator=(const WorkspaceOpening&) = delete;

    // The workspace is asked to open: the text shows until it has.
    void started();
    void OnEvent(int32_t lEventType, const VariantArray& vEventArgs) override;

private:
    std::shared_ptr<IKVEventSource> m_source;
    int32_t m_cookie{0};
    StatusMessages& m_messages;
};

} // namespace kv380::demo
