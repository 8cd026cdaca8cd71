#pragma once

#include "platform/Export.h"

#include "platform/Scheduler.h"

#include <map>
#include <tuple>

namespace kv380 {

// A scheduler on virtual time: nothing happens until the owner advances the clock or processes pending work.
class KV380_API ManualScheduler : public Scheduler {
public:
    void post(std::function<void()> task) override;
    void postDelayed(Duration delay, std::function<void()> task) override;
    TimerId startTimer(Duration interval, std::function<void()> tick) override;
    void stopTimer(TimerId id) override;
    // Runs only what was already due when the call began: an always-enabled timer never makes it spin.
    void processPending() override;

    // Moves virtual time forward, running every task and timer tick that falls due on the way, in time order.
    void advance(Duration by);
    // Runs due work, including work that due work posts for now, until nothing is due.
    void runUntilIdle();

    Duration now() const { return m_now; }
    bool isTimerActive(TimerId id) const;
    std::size_t pendingTasks() const { return m_queue.size(); }

private:
    struct Entry {
        std::function<void()> task;
        TimerId timer = 0; // non-zero: a timer tick, re-armed after it runs
        Duration interval{0};
    };
    // Ordered by due time, then by the order of scheduling.
    using Key = std::tuple<Duration, std::uint64_t>;

    void schedule(Duration due, Entry entry);
    bool runNextDue(Duration limit, std::uint64_t maxSequence);

    Duration m_now{0};
    std::uint64_t m_sequence = 0;
    TimerId m_nextTimer = 1;
    std::map<Key, Entry> m_queue;
    std::map<TimerId, Duration> m_timers; // active timers and their intervals
};

} // namespace kv380
