#pragma once

#include "host/DrwApplication.h"
#include "model/drawing/BarSurface.h"

#include <memory>
#include <string>

namespace kv380::demo {

// A docked bar of the drawing application: its title, the control it hosts and the surface that shows it.
// The surface can be replaced once a window exists, without the control noticing.
class DialogBar : public DrwDialogBar {
public:
    DialogBar(std::string title, std::shared_ptr<BarSurface> surface);

    // Whether the bar is shown, as its surface says.
    bool Visible() override;
    // Shows or hides the bar.
    void setVisible(bool bVisible) override;
    // The bar's height, as its surface measures it.
    int32_t Height() override;
    // The control the bar hosts, or nothing before one is put in.
    std::shared_ptr<HostObject> HostedControl() override;

    const std::string& title() const { return m_title; }
    void setHostedControl(std::shared_ptr<HostObject> control) { m_control = std::move(control); }
    // Puts a surface in place (an empty one: a memory surface).
    void setSurface(std::shared_ptr<BarSurface> surface);
    const std::shared_ptr<BarSurface>& surface() const { return m_surface; }

private:
    std::string m_title;
    std::shared_ptr<BarSurface> m_surface;
    std::shared_ptr<HostObject> m_control;
};

} // namespace kv380::demo
