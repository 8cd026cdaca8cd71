#pragma once

#include "platform/Export.h"

#include "platform/ui/Control.h"

namespace kv380::ui {

// A push button, or a picture button (Style 1) showing Picture. Within one form at most one button is the
// default button (pressed by Enter) and at most one the cancel button (pressed by Escape): making a button
// the default or cancel button takes that role from the others.
class KV380_API CommandButton : public Control {
public:
    static constexpr int Standard = 0;
    static constexpr int Graphical = 1;

    explicit CommandButton(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);
    bool Default() const { return m_default; }
    void setDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool isCancel);
    int Style() const { return m_style; }
    void setStyle(int style); // 0 or 1; else 380
    // The name of a picture that the renderer resolves.
    const std::string& Picture() const { return m_picture; }
    void setPicture(std::string picture);

    std::function<void()> Click;
    // A user's click, or Enter/Escape on the form for the default/cancel button.
    void raiseClick();

    std::unique_ptr<Control> cloneDesign() const override;

private:
    std::string m_caption;
    bool m_default{false};
    bool m_cancel{false};
    int m_style{Standard};
    std::string m_picture;
};

} // namespace kv380::ui
