#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kv380 {

// The common error report every class and form hands its trapped failures to.
class KV380_API ErrorReporter {
public:
    // Style of every report: the exclamation message style.
    static constexpr int32_t ExclamationStyle = 48;

    virtual ~ErrorReporter() = default;

    // Reports one failure. The component relies only on the call returning; a failure here reaches the
    // caller.
    virtual void Report(const std::string& source, const std::string& description,
                        const std::string& helpFile, int32_t helpContext, int32_t number,
                        const std::string& procedure, int32_t style, int32_t reserved1,
                        int32_t reserved2) = 0;
};

// Writes one line per report to standard error.
class KV380_API StderrErrorReporter : public ErrorReporter {
public:
    void Report(const std::string& source, const std::string& description, const std::string& helpFile,
                int32_t helpContext, int32_t number, const std::string& procedure, int32_t style,
                int32_t reserved1, int32_t reserved2) override;
};

// The one reporter of the process, created on first use. A host or a test may put its own in place.
KV380_API ErrorReporter& sharedErrorReporter();
KV380_API void setSharedErrorReporter(std::shared_ptr<ErrorReporter> reporter);

} // namespace kv380
