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
};

} // namespace kv380::ui
