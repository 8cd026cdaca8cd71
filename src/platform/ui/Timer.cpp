#include "platform/ui/Timer.h"

#include "platform/AutomationError.h"

#include <utility>

namespace kv380::ui {

Timer::Timer(std::string name) : Control(std::move(name)) {}

Timer::~Timer() {
    stop();
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535) {
        raise(err::InvalidPropertyValue);
    }
    m_interval = milliseconds;
    notify(Property::Interval);
    restart();
}

void Timer::setEnabled(bool enabled) {
    const bool wasEnabled = Enabled();
    Control::setEnabled(enabled);
    if (enabled != wasEnabled) {
        restart();
    }
}

void Timer::restart() {
    stop();
    if (!Enabled() || m_interval <= 0) {
        return;
    }
    m_arm = std::make_shared<Arm>(Arm{this});
    m_scheduler = &currentScheduler();
    std::weak_ptr<Arm> arm = m_arm;
    m_timerId = m_scheduler->startTimer(Scheduler::Duration{m_interval}, [arm] {
        if (auto live = arm.lock()) {
            live->owner->fire(live->owner->Tick);
        }
    });
}

void Timer::stop() {
    if (!m_arm) {
        return;
    }
    // A scheduler that is no longer the current one may be gone; its stale ticks find no arm.
    if (m_scheduler == &currentScheduler()) {
        m_scheduler->stopTimer(m_timerId);
    }
    m_arm.reset();
    m_scheduler = nullptr;
    m_timerId = 0;
}

} // namespace kv380::ui
