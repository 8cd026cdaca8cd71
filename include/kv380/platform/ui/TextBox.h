#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// A single-line text box. Every assignment of Text raises Change, also when the text stays the same; a
// Change handler may assign Text again (the nested Change runs before the outer handler resumes).
class KV380_API TextBox : public Control {
public:
    explicit TextBox(std::string name = {});

    const std::string& Text() const { return m_text; }
    void setText(std::string text);

    std::function<void()> Change;
    // The user finished an edit: pressed Enter or left the box.
    std::function<void()> EditFinished;
    void raiseEditFinished();

    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_text;
};

} // namespace kv380::ui
