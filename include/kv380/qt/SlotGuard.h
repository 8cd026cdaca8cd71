#pragma once

#include "qt/QtExport.h"

#include "host/Guarded.h"

#include <string_view>

namespace kv380::qt {

// Writes one line to standard error for a failure that could not go to the error report (the report
// itself failed, or something that is no exception of ours was thrown).
KV380_QT_API void reportLastResort(std::string_view handler) noexcept;

// The boundary between Qt and the UI runtime: every slot and event override that calls into the model runs
// its body here. An error is reported once through the common error report with the Qt handler's name as
// context; nothing, not even a failing report, propagates into Qt. Returns whether the body ran to its end.
template <class Body> bool guardSlot(std::string_view handler, Body&& body) noexcept {
    try {
        return guarded(handler, static_cast<Body&&>(body));
    } catch (...) {
        reportLastResort(handler);
        return false;
    }
}

} // namespace kv380::qt
