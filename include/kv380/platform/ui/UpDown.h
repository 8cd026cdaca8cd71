#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

class TextBox;

// An up-down spinner bound to a text box (its buddy). A spin starts from the number in the buddy's text
// (from Value when the text is not a whole number), moves by Increment within Min..Max, and writes the new
// number into the buddy, which raises the buddy's Change. At the end of the range a spin does nothing.
class KV380_API UpDown : public Control {
public:
    explicit UpDown(std::string name = {});

    // The buddy text box; nullptr for none. The buddy must outlive the binding.
    TextBox* BuddyControl() const { return m_buddy; }
    void setBuddyControl(TextBox* buddy);
    int Min() const { return m_min; }
    void setMin(int min);
    int Max() const { return m_max; }
    void setMax(int max);
    // Above 0; else 380.
    int Increment() const { return m_increment; }
    void setIncrement(int increment);
    // Within Min..Max; else 380. A change of Min or Max pulls Value into the new range.
    int Value() const { return m_value; }
    void setValue(int value);

    // Raised after a spin changed Value (after the buddy's Change).
    std::function<void()> Change;

    // The user's clicks on the arrows.
    void spinUp();
    void spinDown();

    bool hasFont() const override { return false; }

private:
    void spin(int direction);
    int low() const;
    int high() const;

    TextBox* m_buddy{nullptr};
    int m_min{0};
    int m_max{10};
    int m_increment{1};
    int m_value{0};
};

} // namespace kv380::ui
