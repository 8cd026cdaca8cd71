#pragma once

#include "host/LoadCompletion.h"
#include "model/db/WorkspaceDatabase.h"
#include "platform/Scheduler.h"

#include <functional>
#include <memory>
#include <string>

namespace kv380::demo {

// What every object of the demo host shares: the workspace database and the queue its asynchronous work
// runs on.
class HostContext {
public:
    // `scheduler` may be empty: the host then posts to the process's current scheduler at each call, so it
    // follows whichever scheduler the embedding program installs (the Qt event loop's).
    HostContext(std::shared_ptr<WorkspaceDatabase> database, std::shared_ptr<Scheduler> scheduler);

    WorkspaceDatabase& database() const { return *m_database; }

    // Runs the task later on the user-interface thread, never inside this call. The task is the edge of
    // the host: whatever it throws is reported with the context text and goes no further.
    void later(std::string context, std::function<void()> task) const;
    // later() for a collection's Load completion (completeLoadLater), under that context text.
    PostTask poster(std::string context) const;

private:
    std::shared_ptr<WorkspaceDatabase> m_database;
    std::shared_ptr<Scheduler> m_scheduler;
};

} // namespace kv380::demo
