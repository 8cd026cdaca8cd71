#include "model/services/ObjectDeleter.h"

#include "model/services/OutsideServices.h"

namespace kv380::demo {

void ObjectDeleter::DeleteObjects(const std::shared_ptr<IKVWorkspace>& workspace,
                                  const std::vector<int32_t>& ids) {
    m_services->requireOwnWorkspace(workspace);
    m_services->deleteObjects(std::vector<int64_t>(ids.begin(), ids.end()));
}

} // namespace kv380::demo
