#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// An image control. The component uses it as a splitter bar: a sizing MousePointer while the mouse is over
// it, automatic DragMode with a DragIcon, and the DragOver events of the controls it is dragged across.
class KV380_API Image : public Control {
public:
    explicit Image(std::string name = {});

    // The name of a picture that the renderer resolves; empty shows nothing.
    const std::string& Picture() const { return m_picture; }
    void setPicture(std::string picture);

    std::function<void()> Click;
    void raiseClick();

    bool hasFont() const override { return false; }
    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_picture;
};

} // namespace kv380::ui
