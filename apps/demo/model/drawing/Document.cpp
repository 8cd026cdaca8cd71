#include "model/drawing/Document.h"

#include "platform/AutomationError.h"

namespace kv380::demo {

namespace {
[[noreturn]] void raiseClosed(const std::string& name) {
    throw AutomationError(err::InvalidProcedureCall, DrawingErrorSource,
                          "The drawing " + name + " is closed");
}
} // namespace

std::shared_ptr<DrwSheet> Document::Sheet(const std::string& name) {
    if (m_closed) {
        raiseClosed(m_info.name);
    }
    auto& sheet = m_sheets[name];
    if (!sheet) {
        sheet = std::make_shared<kv380::demo::Sheet>(weak_from_this(), name);
    }
    return sheet;
}

void Document::Close(bool) {
    if (m_closed) {
        raiseClosed(m_info.name);
    }
    m_closed = true;
    if (m_onClose) {
        // The owner drops its reference; the drawing must outlive this call all the same.
        const auto keepAlive = shared_from_this();
        m_onClose(*this);
    }
}

} // namespace kv380::demo
