#include "stockpile/ListFilter.h"

#include "platform/convert/Convert.h"

#include <string>

namespace kv380 {

ListFilter::ListFilter(std::string_view filterText) {
    std::string pattern = convert::trimSpaces(filterText);
    if (pattern.empty()) {
        return;
    }
    if (pattern.back() != '*') {
        pattern.push_back('*');
    }
    try {
        m_pattern.emplace(pattern);
    } catch (const AutomationError& e) {
        m_error = e;
    }
}

bool ListFilter::passes(std::string_view name) const {
    if (m_error) {
        throw *m_error;
    }
    return !m_pattern || m_pattern->matches(name);
}

} // namespace kv380
