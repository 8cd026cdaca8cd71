#pragma once

#include "qt/QtExport.h"

#include "platform/Scheduler.h"

#include <QObject>

#include <map>
#include <memory>

class QTimer;

namespace kv380::qt {

// The process's scheduler on the Qt event loop of the thread that creates it: posted tasks are queued
// events, delayed tasks and timers are QTimers. Each task and tick runs at the Qt boundary: its error is
// reported (context "QtScheduler task" or "QtScheduler timer") and goes no further. Work still pending when
// the scheduler is destroyed is dropped. Do not destroy it from inside one of its own tasks or ticks, and
// put the default scheduler back (setCurrentScheduler(nullptr)) before the QApplication goes.
class KV380_QT_API QtScheduler : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;
    QtScheduler(const QtScheduler&) = delete;
    QtScheduler& operator=(const QtScheduler&) = delete;

    void post(std::function<void()> task) override;
    void postDelayed(Duration delay, std::function<void()> task) override;
    TimerId startTimer(Duration interval, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    // Processes the events already waiting (QCoreApplication::processEvents); nothing without an application.
    void processPending() override;

    std::size_t activeTimers() const { return m_timers.size(); }

private:
    // The receiver of queued calls and parent of the timers: deleting it drops whatever is still pending.
    std::unique_ptr<QObject> m_context;
    std::map<TimerId, QTimer*> m_timers;
    TimerId m_nextTimer{1};
};

} // namespace kv380::qt
