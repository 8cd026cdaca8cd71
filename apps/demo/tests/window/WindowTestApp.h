#pragma once

#include <chrono>
#include <functional>

namespace kv380::demo::test {

// Runs the Qt event loop until the condition holds or the time is up; answers whether it held.
bool processUntil(const std::function<bool()>& condition,
                  std::chrono::milliseconds limit = std::chrono::seconds(10));

} // namespace kv380::demo::test
