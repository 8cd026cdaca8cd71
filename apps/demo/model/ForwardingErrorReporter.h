#pragma once

#include "host/ErrorReporter.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kv380::demo {

// One call of the common error report.
struct ErrorReportEntry {
    std::string source{};
    std::string description{};
    std::string helpFile{};
    int32_t helpContext = 0;
    int32_t number = 0;
    std::string procedure{};
    int32_t style = 0;
};

// The one-line text of a report, as the status bar and standard error show it:
// "Error 9999 in ctlStockpile::ConvertSymbolPath: Could not find symbol ...".
std::string reportLine(const ErrorReportEntry& report);

// The common error report of the demo: hands every report to a sink (the window shows it in the status bar
// and writes it to standard error). Without a sink, reports go to standard error.
class ForwardingErrorReporter : public ErrorReporter {
public:
    using Sink = std::function<void(const ErrorReportEntry&)>;

    explicit ForwardingErrorReporter(Sink sink = {}) : m_sink(std::move(sink)) {}

    // Forwards one report; a sink that throws makes the report fail, as the component expects.
    void Report(const std::string& source, const std::string& description, const std::string& helpFile,
                int32_t helpContext, int32_t number, const std::string& procedure, int32_t style,
                int32_t reserved1, int32_t reserved2) override;

    void setSink(Sink sink) { m_sink = std::move(sink); }

private:
    Sink m_sink;
};

// Writes a report's line to standard error.
void writeToStandardError(const ErrorReportEntry& report);

} // namespace kv380::demo
