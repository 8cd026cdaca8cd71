#include "host/Guarded.h"

namespace kv380 {

void reportError(const AutomationError& error, std::string_view procedure,
                 std::optional<std::string_view> source) {
    sharedErrorReporter().Report(source ? std::string(*source) : error.source(), error.description(),
                                 error.helpFile(), error.helpContext(), error.number(),
                                 std::string(procedure), ErrorReporter::ExclamationStyle, 0, 0);
}

AutomationError unexpectedError() {
    return AutomationError(err::InternalError, {}, "Unexpected error");
}

AutomationError toAutomationError(const std::exception& e) {
    if (const auto* automation = dynamic_cast<const AutomationError*>(&e)) {
        return *automation;
    }
    return AutomationError(err::InternalError, {}, e.what());
}

void runEveryStep(std::initializer_list<std::function<void()>> steps) {
    std::exception_ptr first;
    for (const auto& step : steps) {
        try {
            step();
        } catch (...) {
            if (!first) {
                first = std::current_exception();
            }
        }
    }
    if (first) {
        std::rethrow_exception(first);
    }
}

} // namespace kv380
