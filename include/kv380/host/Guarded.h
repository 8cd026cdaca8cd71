#pragma once

#include "platform/Export.h"

#include "host/ErrorReporter.h"
#include "platform/AutomationError.h"

#include <exception>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace kv380 {

// Hands a caught error to the common error report with the procedure's context text. The source is the
// reporter's own ("projStockpile.ctlStockpile") or, when none is given, the error's own source.
KV380_API void reportError(const AutomationError& error, std::string_view procedure,
                           std::optional<std::string_view> source = std::nullopt);

// Turns any standard exception into the runtime's error object (number 51, internal error, for those that
// are not already one).
KV380_API AutomationError toAutomationError(const std::exception& e);

// What a procedure reports when something that is no exception class at all reaches it (a host's own
// exception type): number 51, "Unexpected error".
KV380_API AutomationError unexpectedError();

// A procedure that traps and reports: runs the body; whatever it throws (an AutomationError, a standard
// exception, or anything else) is reported once and the procedure ends normally, its result being whatever
// the body had set so far. An exception thrown by Report itself propagates. Returns whether the body ran to
// its end.
template <class Body>
bool guarded(std::string_view procedure, std::optional<std::string_view> source, Body&& body) {
    std::optional<AutomationError> caught;
    try {
        body();
        return true;
    } catch (const AutomationError& e) {
        caught = e;
    } catch (const std::exception& e) {
        caught = toAutomationError(e);
    } catch (...) {
        caught = unexpectedError();
    }
    reportError(*caught, procedure, source);
    return false;
}

// The same with the error's own source.
template <class Body> bool guarded(std::string_view procedure, Body&& body) {
    return guarded(procedure, std::nullopt, static_cast<Body&&>(body));
}

// Runs the steps in order, each whatever the ones before did. A step that throws (a trapped step whose
// report itself failed, say) does not keep the later steps from running; the first such exception is
// rethrown after the last step, so a failing report still reaches the caller.
KV380_API void runEveryStep(std::initializer_list<std::function<void()>> steps);

} // namespace kv380
