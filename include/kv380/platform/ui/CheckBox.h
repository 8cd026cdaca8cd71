#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// A check box. Value is 0 (clear), 1 (ticked) or 2 (grayed); every assignment raises Click, as a user's
// click does.
class KV380_API CheckBox : public Control {
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;
    static constexpr int Grayed = 2;

    explicit CheckBox(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);
    int Value() const { return m_value; }
    // Values outside 0..2 throw 380.
    void setValue(int value);

    std::function<void()> Click;

    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_caption;
    int m_value{Unchecked};
};

} // namespace kv380::ui
