#include "host/ErrorReporter.h"

#include <cstdio>
#include <utility>

namespace kv380 {

namespace {
std::shared_ptr<ErrorReporter>& reporterSlot() {
    static std::shared_ptr<ErrorReporter> slot;
    return slot;
}
} // namespace

void StderrErrorReporter::Report(const std::string& source, const std::string& description,
                                 const std::string& helpFile, int32_t helpContext, int32_t number,
                                 const std::string& procedure, int32_t style, int32_t, int32_t) {
    std::fprintf(stderr, "error %d in %s [%s]: %s (help %s#%d, style %d)\n", number, procedure.c_str(),
                 source.c_str(), description.c_str(), helpFile.c_str(), helpContext, style);
}

ErrorReporter& sharedErrorReporter() {
    auto& slot = reporterSlot();
    if (!slot) {
        slot = std::make_shared<StderrErrorReporter>();
    }
    return *slot;
}

void setSharedErrorReporter(std::shared_ptr<ErrorReporter> reporter) { reporterSlot() = std::move(reporter); }

} // namespace kv380
