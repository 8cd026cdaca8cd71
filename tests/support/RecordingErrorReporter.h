#pragma once

#include "host/ErrorReporter.h"
#include "platform/AutomationError.h"

#include <memory>
#include <string>
#include <vector>

namespace kv380::test {

// One call of the common error report, with its nine arguments.
struct ErrorReport {
    std::string source;
    std::string description;
    std::string helpFile;
    int32_t helpContext = 0;
    int32_t number = 0;
    std::string procedure;
    int32_t style = 0;
    int32_t reserved1 = 0;
    int32_t reserved2 = 0;
};

// Records every report. Installed as the process's reporter for the lifetime of a ReporterScope.
class RecordingErrorReporter : public ErrorReporter {
public:
    void Report(const std::string& source, const std::string& description, const std::string& helpFile,
                int32_t helpContext, int32_t number, const std::string& procedure, int32_t style,
                int32_t reserved1, int32_t reserved2) override;

    const std::vector<ErrorReport>& reports() const { return m_reports; }
    std::size_t count() const { return m_reports.size(); }
    // The procedures reported so far, in order.
    std::vector<std::string> procedures() const;
    void clear() { m_reports.clear(); }
    // Makes the next Report calls throw this error (to test that a failing report reaches the caller).
    void failWith(AutomationError error) { m_failure = std::make_unique<AutomationError>(std::move(error)); }

private:
    std::vector<ErrorReport> m_reports;
    std::unique_ptr<AutomationError> m_failure;
};

// Puts a fresh RecordingErrorReporter in place for one test and restores the default afterwards.
class ReporterScope {
public:
    ReporterScope();
    ~ReporterScope();
    ReporterScope(const ReporterScope&) = delete;
    ReporterScope& operator=(const ReporterScope&) = delete;

    RecordingErrorReporter& operator*() { return *m_reporter; }
    RecordingErrorReporter* operator->() { return m_reporter.get(); }

private:
    std::shared_ptr<RecordingErrorReporter> m_reporter;
};

} // namespace kv380::test
