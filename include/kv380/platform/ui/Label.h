#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// A label: a caption the user cannot edit.
class KV380_API Label : public Control {
public:
    explicit Label(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);

    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_caption;
};

} // namespace kv380::ui
