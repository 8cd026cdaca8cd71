#include "support/RecordingErrorReporter.h"

namespace kv380::test {

void RecordingErrorReporter::Report(const std::string& source, const std::string& description,
                                    const std::string& helpFile, int32_t helpContext, int32_t number,
                                    const std::string& procedure, int32_t style, int32_t reserved1,
                                    int32_t reserved2) {
    if (m_failure) {
        throw *m_failure;
    }
    m_reports.push_back(
        {source, description, helpFile, helpContext, number, procedure, style, reserved1, reserved2});
}

std::vector<std::string> RecordingErrorReporter::procedures() const {
    std::vector<std::string> out;
    for (const auto& r : m_reports) {
        out.push_back(r.procedure);
    }
    return out;
}

ReporterScope::ReporterScope() : m_reporter(std::make_shared<RecordingErrorReporter>()) {
    setSharedErrorReporter(m_reporter);
}

ReporterScope::~ReporterScope() { setSharedErrorReporter(nullptr); }

} // namespace kv380::test
