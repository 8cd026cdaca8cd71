#include "platform/ui/ControlCollection.h"

#include "platform/AutomationError.h"

namespace kv380::ui {

Control& ControlCollection::Item(int index) const {
    if (index < 0 || index >= Count()) {
        raise(err::SubscriptOutOfRange);
    }
    return *(*m_controls)[static_cast<std::size_t>(index)];
}

Control* ControlCollection::find(std::string_view name) const {
    for (const auto& control : *m_controls) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

} // namespace kv380::ui
