#include "platform/ui/UpDown.h"

#include "platform/AutomationError.h"
#include "platform/convert/Convert.h"
#include "platform/ui/TextBox.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace kv380::ui {

UpDown::UpDown(std::string name) : Control(std::move(name)) {}

// Min may lie above Max (a reversed spinner); the range is the span between them.
int UpDown::low() const {
    return std::min(m_min, m_max);
}
int UpDown::high() const {
    return std::max(m_min, m_max);
}

void UpDown::setBuddyControl(TextBox* buddy) {
    m_buddy = buddy;
    notify(Property::Value);
}

void UpDown::setMin(int min) {
    m_min = min;
    m_value = std::clamp(m_value, low(), high());
    notify(Property::Value);
}

void UpDown::setMax(int max) {
    m_max = max;
    m_value = std::clamp(m_value, low(), high());
    notify(Property::Value);
}

void UpDown::setIncrement(int increment) {
    if (increment <= 0) {
        raise(err::InvalidPropertyValue);
    }
    m_increment = increment;
    notify(Property::Value);
}

void UpDown::setValue(int value) {
    if (value < low() || value > high()) {
        raise(err::InvalidPropertyValue);
    }
    m_value = value;
    notify(Property::Value);
}

void UpDown::spinUp() {
    spin(m_max >= m_min ? 1 : -1);
}

void UpDown::spinDown() {
    spin(m_max >= m_min ? -1 : 1);
}

void UpDown::spin(int direction) {
    int64_t current = m_value;
    if (m_buddy != nullptr) {
        try {
            current = convert::toLong(m_buddy->Text());
        } catch (const AutomationError&) {
            // Not a whole number: spin from the last value.
        }
    }
    const int64_t next = std::clamp<int64_t>(current + int64_t{direction} * m_increment, low(), high());
    if (next == current) {
        return;
    }
    m_value = static_cast<int>(next);
    notify(Property::Value);
    if (m_buddy != nullptr) {
        m_buddy->setText(std::to_string(m_value));
    }
    fire(Change);
}

} // namespace kv380::ui
