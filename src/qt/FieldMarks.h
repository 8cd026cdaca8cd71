#pragma once

#include <QColor>

class QWidget;

namespace kv380::ui {
class Control;
}

namespace kv380::qt {

// The tint of a control whose content is refused.
QColor errorTint();

// Shows the control's error mark on its widget: the tint and the mark's text as the tooltip. Without a mark
// the widget gets its own colours and the control's tooltip back.
void showErrorMark(QWidget& widget, const ui::Control& control);

// The accessible name and description of the control, for assistive technology. A control the model gives
// no texts is announced by its name (its tooltip, when it has one, as its description).
void showAccessibleTexts(QWidget& widget, const ui::Control& control);

} // namespace kv380::qt
