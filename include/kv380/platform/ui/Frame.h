#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// A frame: a container for other controls, with an optional caption.
class KV380_API Frame : public Control {
public:
    explicit Frame(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);

    bool acceptsChild(const Control& child) const override;
    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_caption;
};

} // namespace kv380::ui
