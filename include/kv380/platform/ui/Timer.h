#pragma once

#include "platform/Export.h"

#include "platform/Scheduler.h"
#include "platform/ui/Control.h"

namespace kv380::ui {

// A timer on the process's scheduler (currentScheduler()). It ticks every Interval milliseconds while it is
// enabled and its interval is above 0. Enabling a disabled timer or assigning Interval starts the count
// again from zero; enabling an enabled timer does not. The event is called Tick (a member cannot share the
// class's name). A handler's exception reaches the scheduler: handlers that must not fail trap their own.
class KV380_API Timer : public Control {
public:
    // Design defaults: interval 0, enabled (so it does not tick until given an interval).
    explicit Timer(std::string name = {});
    ~Timer() override;

    int Interval() const { return m_interval; }
    // 0..65535 ms; anything else throws 380 and the timer keeps its interval and its count.
    void setInterval(int milliseconds);
    void setEnabled(bool enabled) override;

    // Whether a tick is scheduled (enabled with an interval above 0).
    bool running() const { return m_arm != nullptr; }

    std::function<void()> Tick;

    bool hasFont() const override { return false; }

private:
    struct Arm {
        Timer* owner;
    };

    void restart();
    void stop();

    int m_interval{0};
    // Replaced on every start: a tick whose arm is gone (stopped, restarted, destroyed) does nothing, even
    // when it comes from a scheduler that was swapped out meanwhile.
    std::shared_ptr<Arm> m_arm;
    Scheduler* m_scheduler{nullptr};
    Scheduler::TimerId m_timerId{0};
};

} // namespace kv380::ui
