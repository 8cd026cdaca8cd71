#pragma once

#include "host/Guarded.h"
#include "platform/AutomationError.h"

#include <string_view>

namespace kv380 {

// The stock pile's class name, which is also the source of every report the control makes itself.
inline constexpr std::string_view StockpileClassName = "projStockpile.ctlStockpile";

// The control's route to the common error report: the caught error with the control's source and the
// procedure's context text.
inline void ReportError(std::string_view context, const AutomationError& error) {
    reportError(error, context, StockpileClassName);
}

// A procedure of the control that traps and reports through ReportError with its context text. Returns
// whether the body ran to its end.
template <class Body> bool trap(std::string_view context, Body&& body) {
    return guarded(context, StockpileClassName, static_cast<Body&&>(body));
}

} // namespace kv380
