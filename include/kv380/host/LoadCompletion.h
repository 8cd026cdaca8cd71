#pragma once

#include "platform/Export.h"

#include <functional>
#include <memory>

namespace kv380 {

// Queues a task on the user-interface thread's queue, to run after the caller has returned: a Scheduler's
// post, or a test's own queue of pending loads.
using PostTask = std::function<void(std::function<void()>)>;

// How a host collection completes a Load, the way the component relies on: Load only asks and returns at
// once; later, from the queue, the collection is filled and its subscribers are told (event 1), never inside
// Load, and only if the collection still exists by then.
//
//   void Load() override {
//       completeLoadLater(m_post, weak_from_this(), [this] { fill(); m_subscribers.deliver(1); });
//   }
//
// `complete` runs while the task holds `collection` alive, so it may use the collection freely. A `post`
// that runs the task at once, inside this call, is a host fault: the task throws std::logic_error there, so
// that the Load fails instead of completing inside itself, and `complete` does not run.
KV380_API void completeLoadLater(const PostTask& post, std::weak_ptr<void> collection,
                                 std::function<void()> complete);

} // namespace kv380
