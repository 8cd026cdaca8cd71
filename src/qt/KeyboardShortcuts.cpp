#include "qt/KeyboardShortcuts.h"

#include "platform/ui/KeyCodes.h"
#include "platform/ui/UserControl.h"
#include "qt/FormView.h"
#include "qt/SlotGuard.h"

#include <QApplication>
#include <QKeyEvent>

namespace kv380::qt {

KeyboardShortcuts::KeyboardShortcuts(FormView& view, ui::UserControl& control)
    : QObject(&view), m_view(view), m_control(control) {
    // Keys go to the focused widget, which may be any widget of the view: the application's filter sees
    // them all before it does.
    QApplication::instance()->installEventFilter(this);
}

KeyboardShortcuts::~KeyboardShortcuts() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool KeyboardShortcuts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || m_view.topLevel() == nullptr) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only the first delivery, to the focused widget: an ignored key travels on to its parents. (The
    // window's focus widget, so that a window that is not the active one yet behaves the same.)
    if (widget == nullptr || !m_view.isAncestorOf(widget) ||
        (widget != QApplication::focusWidget() && widget != widget->window()->focusWidget())) {
        return false;
    }
    const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
    int keyCode = runtimeKeyCode(keyEvent.key());
    if (keyCode == 0) {
        return false;
    }
    const int used = 0;
    guardSlot("KeyboardShortcuts::eventFilter (" + m_control.Name() + ")",
              [&] { m_control.raiseKeyDown(keyCode, runtimeShift(keyEvent), m_view.controlOf(widget)); });
    return keyCode == used;
}

int runtimeKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // the same codes as the characters
    }
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ui::key::Return;
    case Qt::Key_Escape:
        return ui::key::Escape;
    case Qt::Key_PageUp:
        return ui::key::PageUp;
    case Qt::Key_PageDown:
        return ui::key::PageDown;
    case Qt::Key_Up:
        return ui::key::Up;
    case Qt::Key_Down:
        return ui::key::Down;
    case Qt::Key_Menu:
        return ui::key::Apps;
    case Qt::Key_F10:
        return ui::key::F10;
    default:
        return 0;
    }
}

int runtimeShift(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= ui::key::ShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= ui::key::CtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= ui::key::AltMask;
    }
    return shift;
}

} // namespace kv380::qt
