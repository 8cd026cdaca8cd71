#pragma once

namespace kv380::ui {
class Control;
}

namespace kv380::qt {

class ControlView;
class FormView;

// The view of a control, owned by the form view (its QObject parent); nullptr for the kinds without a
// widget (timers, menu items, image lists).
ControlView* createControlView(FormView& form, ui::Control& control);

} // namespace kv380::qt
