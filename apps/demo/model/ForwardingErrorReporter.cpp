#include "model/ForwardingErrorReporter.h"

#include <cstdio>

namespace kv380::demo {

std::string reportLine(const ErrorReportEntry& report) {
    std::string line = "Error " + std::to_string(report.number);
    if (!report.procedure.empty()) {
        line += " in " + report.procedure;
    }
    line += ": " + report.description;
    if (!report.source.empty()) {
        line += " [" + report.source + "]";
    }
    return line;
}

void ForwardingErrorReporter::Report(const std::string& source, const std::string& description,
                                     const std::string& helpFile, int32_t helpContext, int32_t number,
                                     const std::string& procedure, int32_t style, int32_t, int32_t) {
    const ErrorReportEntry entry{source, description, helpFile, helpContext, number, procedure, style};
    if (m_sink) {
        m_sink(entry);
    } else {
        writeToStandardError(entry);
    }
}

void writeToStandardError(const ErrorReportEntry& report) {
    std::fprintf(stderr, "%s\n", reportLine(report).c_str());
}

} // namespace kv380::demo
