#pragma once

#include "platform/Export.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace kv380 {

// Where timers and the host's asynchronous completions run: the user-interface thread's queue.
// Tests use ManualScheduler (virtual time); the Qt layer runs one on the Qt event loop.
class KV380_API Scheduler {
public:
    using Duration = std::chrono::milliseconds;
    using TimerId = std::uint64_t;

    virtual ~Scheduler() = default;

    // Runs the task later on the same thread, never inside this call.
    virtual void post(std::function<void()> task) = 0;
    // Runs the task once after the delay.
    virtual void postDelayed(Duration delay, std::function<void()> task) = 0;
    // Calls tick every interval (interval > 0) until stopped.
    virtual TimerId startTimer(Duration interval, std::function<void()> tick) = 0;
    // Stopping an unknown or stopped timer does nothing.
    virtual void stopTimer(TimerId id) = 0;
    // Runs the work that is due now, as a message pump does when asked to process pending messages.
    virtual void processPending() = 0;
};

// The process's scheduler. A ManualScheduler stands in until a host or test sets its own.
KV380_API Scheduler& currentScheduler();
KV380_API void setCurrentScheduler(std::shared_ptr<Scheduler> scheduler);

} // namespace kv380
