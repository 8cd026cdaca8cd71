#pragma once

#include "host/HostServices.h"
#include "model/HostContext.h"
#include "model/services/Datasheet.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace kv380::demo {

class Workspace;

// The host's outside classes (datasheet editor factory, datasheet launcher, object deleter, symbol
// information) and what they share: the workspace they work on and where a shown datasheet goes.
class OutsideServices : public std::enable_shared_from_this<OutsideServices> {
public:
    static std::shared_ptr<OutsideServices> create(std::shared_ptr<HostContext> context,
                                                   std::shared_ptr<Workspace> workspace);

    // The factories to install as the process's outside classes; they hold this object weakly, so a
    // class asked for after the host is gone cannot be created (429).
    OutsideClassFactories factories();

    // Shows an object's datasheet: recorded, then handed to onShowDatasheet. Error 5 for an object the
    // workspace does not hold.
    void showDatasheet(int64_t objectId);
    // Deletes objects from the workspace for good and tells onDeleted which were asked for.
    void deleteObjects(const std::vector<int64_t>& objectIds);
    // Whether `workspace` is the workspace these services work on; error 5 when it is not (another
    // host's workspace or nothing).
    void requireOwnWorkspace(const std::shared_ptr<IKVWorkspace>& workspace) const;
    bool isOwnWorkspace(const std::shared_ptr<IKVWorkspace>& workspace) const;

    // Every datasheet shown, in order.
    const std::vector<Datasheet>& shownDatasheets() const { return m_shown; }

    std::function<void(const Datasheet&)> onShowDatasheet;
    std::function<void(const std::vector<int64_t>&)> onDeleted;

private:
    OutsideServices(std::shared_ptr<HostContext> context, std::shared_ptr<Workspace> workspace)
        : m_context(std::move(context)), m_workspace(std::move(workspace)) {}

    std::shared_ptr<HostContext> m_context;
    std::shared_ptr<Workspace> m_workspace;
    std::vector<Datasheet> m_shown;
};

} // namespace kv380::demo
