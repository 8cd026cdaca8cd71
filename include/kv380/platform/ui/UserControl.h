#pragma once

#include "platform/Export.h"

#include "platform/ui/TopLevel.h"

namespace kv380::ui {

// The user control a host embeds. Show and Hide are raised when its visibility changes (the host shows or
// hides the bar it sits in).
class KV380_API UserControl : public TopLevel {
public:
    explicit UserControl(std::string name = {});

    void setVisible(bool visible) override;

    std::function<void()> Show;
    std::function<void()> Hide;

    // A key went down anywhere inside the control, before the control with the focus sees it. Key codes
    // and shift state are the runtime's (platform/ui/KeyCodes.h). A handler that uses the key sets keyCode
    // to 0: the focused control then never sees it. `focused` is the control that has the focus, if any.
    std::function<void(int& keyCode, int shift, Control* focused)> KeyDown;
    void raiseKeyDown(int& keyCode, int shift, Control* focused);
};

} // namespace kv380::ui
