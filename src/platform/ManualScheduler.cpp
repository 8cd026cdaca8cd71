#include "platform/ManualScheduler.h"

#include <limits>
#include <utility>

namespace kv380 {

namespace {
std::shared_ptr<Scheduler>& currentSlot() {
    static std::shared_ptr<Scheduler> slot = std::make_shared<ManualScheduler>();
    return slot;
}
} // namespace

Scheduler& currentScheduler() { return *currentSlot(); }

void setCurrentScheduler(std::shared_ptr<Scheduler> scheduler) {
    currentSlot() = scheduler ? std::move(scheduler) : std::make_shared<ManualScheduler>();
}

void ManualScheduler::post(std::function<void()> task) { postDelayed(Duration{0}, std::move(task)); }

void ManualScheduler::postDelayed(Duration delay, std::function<void()> task) {
    schedule(m_now + (delay.count() > 0 ? delay : Duration{0}), Entry{std::move(task), 0, Duration{0}});
}

Scheduler::TimerId ManualScheduler::startTimer(Duration interval, std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    if (interval.count() <= 0) {
        return id; // a zero interval never ticks
    }
    m_timers[id] = interval;
    schedule(m_now + interval, Entry{std::move(tick), id, interval});
    return id;
}

void ManualScheduler::stopTimer(TimerId id) {
    m_timers.erase(id);
    // Its queued tick is dropped when it comes due.
}

bool ManualScheduler::isTimerActive(TimerId id) const { return m_timers.count(id) != 0; }

void ManualScheduler::schedule(Duration due, Entry entry) {
    m_queue.emplace(Key{due, m_sequence++}, std::move(entry));
}

bool ManualScheduler::runNextDue(Duration limit, std::uint64_t maxSequence) {
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        const auto [due, sequence] = it->first;
        if (due > limit) {
            return false;
        }
        if (sequence > maxSequence) {
            continue;
        }
        Entry entry = std::move(it->second);
        m_queue.erase(it);
        if (due > m_now) {
            m_now = due;
        }
        if (entry.timer != 0) {
            if (!isTimerActive(entry.timer)) {
                return true; // a stopped timer's stale tick
            }
            // Re-arm before the tick runs, so a tick that stops its own timer wins.
            schedule(m_now + entry.interval, Entry{entry.task, entry.timer, entry.interval});
        }
        entry.task();
        return true;
    }
    return false;
}

void ManualScheduler::processPending() {
    const std::uint64_t snapshot = m_sequence == 0 ? 0 : m_sequence - 1;
    if (m_sequence == 0) {
        return;
    }
    while (runNextDue(m_now, snapshot)) {
    }
}

void ManualScheduler::runUntilIdle() {
    while (runNextDue(m_now, std::numeric_limits<std::uint64_t>::max())) {
    }
}

void ManualScheduler::advance(Duration by) {
    const Duration target = m_now + by;
    while (runNextDue(target, std::numeric_limits<std::uint64_t>::max())) {
    }
    m_now = target;
}

} // namespace kv380
