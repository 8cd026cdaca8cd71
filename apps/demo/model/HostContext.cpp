#include "model/HostContext.h"

#include "host/Guarded.h"

#include <cstdio>
#include <exception>
#include <utility>

namespace kv380::demo {

HostContext::HostContext(std::shared_ptr<WorkspaceDatabase> database, std::shared_ptr<Scheduler> scheduler)
    : m_database(std::move(database)), m_scheduler(std::move(scheduler)) {}

void HostContext::later(std::string context, std::function<void()> task) const {
    Scheduler& scheduler = m_scheduler ? *m_scheduler : currentScheduler();
    scheduler.post([context = std::move(context), task = std::move(task)] {
        try {
            guarded(context, task);
        } catch (const std::exception& e) {
            // The error report itself failed; the event loop must still not see it.
            std::fprintf(stderr, "%s: the error report failed: %s\n", context.c_str(), e.what());
        } catch (...) {
            std::fprintf(stderr, "%s: the error report failed\n", context.c_str());
        }
    });
}

PostTask HostContext::poster(std::string context) const {
    // Called at once by completeLoadLater, while this context is in use: holding `this` is safe.
    return
        [this, context = std::move(context)](std::function<void()> task) { later(context, std::move(task)); };
}

} // namespace kv380::demo
