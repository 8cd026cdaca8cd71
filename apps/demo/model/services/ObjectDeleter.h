#pragma once

#include "host/HostServices.h"

#include <memory>

namespace kv380::demo {

class OutsideServices;

// Deletes objects from the demo workspace's database.
class ObjectDeleter : public KVObjectDeleter {
public:
    explicit ObjectDeleter(std::shared_ptr<OutsideServices> services) : m_services(std::move(services)) {}

    // Deletes the objects with those identifiers, with their view and drawing memberships, all or none;
    // identifiers the workspace does not hold are skipped. Another workspace is error 5.
    void DeleteObjects(const std::shared_ptr<IKVWorkspace>& workspace,
                       const std::vector<int32_t>& ids) override;

private:
    std::shared_ptr<OutsideServices> m_services;
};

} // namespace kv380::demo
