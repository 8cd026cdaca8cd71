#include "platform/registry/RegistryLog.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace kv380::registry {

namespace {
std::mutex& sinkMutex() {
    static std::mutex m;
    return m;
}
LogSink& sinkSlot() {
    static LogSink sink;
    return sink;
}
} // namespace

void logProblem(const std::string& message) {
    const std::string line = "kv380 registry: " + message;
    LogSink sink;
    {
        std::lock_guard lock(sinkMutex());
        sink = sinkSlot();
    }
    if (sink) {
        sink(line);
    } else {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
}

void setLogSink(LogSink sink) {
    std::lock_guard lock(sinkMutex());
    sinkSlot() = std::move(sink);
}

} // namespace kv380::registry
