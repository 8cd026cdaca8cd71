#include "host/Guarded.h"

namespace kv380 {

void reportError(const AutomationError& error, std::string_view procedure, std::optional<std::string_view> source) {
    sharedErrorReporter().Report(source ? std::string(*source) : error.source(), error.description(),
                                 error.helpFile(), error.helpContext(), error.number(), std::string(procedure),
                                 ErrorReporter::ExclamationStyle, 0, 0);
}

AutomationError toAutomationError(const std::exception& e) {
    if (const auto* automation = dynamic_cast<const AutomationError*>(&e)) {
        return *automation;
    }
    return AutomationError(err::InternalError, {}, e.what());
}

} // namespace kv380
