#pragma once

#include "platform/AutomationError.h"
#include "stockpile/Wildcard.h"

#include <optional>
#include <string_view>

namespace kv380 {

// The stockpile list's filter, compiled once for a whole fill: the filter text without surrounding spaces;
// empty passes every name; otherwise a trailing "*" is supplied when missing, so plain text is a
// case-sensitive prefix test (see WildcardPattern for the rest).
class ListFilter {
public:
    // Compiles the filter text. A malformed pattern does not throw here; it is kept, and every passes()
    // raises it, so the caller decides how often to report it.
    explicit ListFilter(std::string_view filterText);

    // Whether the name passes. A malformed pattern raises its error (93) on every call.
    bool passes(std::string_view name) const;

    bool malformed() const { return m_error.has_value(); }

    // The error a malformed pattern raises; nothing otherwise.
    const AutomationError* error() const { return m_error ? &*m_error : nullptr; }

private:
    std::optional<WildcardPattern> m_pattern; // nothing: every name passes (or the pattern is malformed)
    std::optional<AutomationError> m_error;
};

} // namespace kv380
