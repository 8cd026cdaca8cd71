#pragma once

#include <QObject>

class QKeyEvent;

namespace kv380::ui {
class UserControl;
}

namespace kv380::qt {

class FormView;

// Hands the keys pressed anywhere inside a user control's view to the model first (UserControl::KeyDown,
// in the runtime's key codes), with the control that has the focus; a key the model uses goes no further.
// Made by the FormView of a user control, and its child.
class KeyboardShortcuts : public QObject {
    Q_OBJECT
public:
    KeyboardShortcuts(FormView& view, ui::UserControl& control);
    ~KeyboardShortcuts() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormView& m_view;
    ui::UserControl& m_control;
};

// The runtime's code of a Qt key (platform/ui/KeyCodes.h); 0 for a key the runtime does not name. Letters
// and digits keep their character codes.
int runtimeKeyCode(int qtKey);
// The runtime's shift state of a key event (1 shift, 2 control, 4 alt).
int runtimeShift(const QKeyEvent& event);

} // namespace kv380::qt
