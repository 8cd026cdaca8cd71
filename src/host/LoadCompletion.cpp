#include "host/LoadCompletion.h"

#include <stdexcept>

namespace kv380 {

void completeLoadLater(const PostTask& post, std::weak_ptr<void> collection, std::function<void()> complete) {
    auto queued = std::make_shared<bool>(false);
    post([queued, collection = std::move(collection), complete = std::move(complete)] {
        if (!*queued) {
            throw std::logic_error("a collection's Load completed inside the Load");
        }
        if (const auto alive = collection.lock()) {
            complete();
        }
    });
    *queued = true;
}

} // namespace kv380
