#include "qt/FieldMarks.h"

#include "platform/ui/Control.h"
#include "qt/Text.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace kv380::qt {

QColor errorTint() {
    return {255, 214, 214};
}

void showErrorMark(QWidget& widget, const ui::Control& control) {
    const bool marked = !control.ErrorMark().empty();
    widget.setToolTip(toQt(marked ? control.ErrorMark() : control.ToolTipText()));
    // The colours are touched only when the mark comes or goes, so a widget's own palette is left alone.
    constexpr const char* kMarked = "kv380ErrorMark";
    if (widget.property(kMarked).toBool() == marked) {
        return;
    }
    widget.setProperty(kMarked, marked);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base,
                     marked ? errorTint() : QApplication::palette(&widget).color(QPalette::Base));
    widget.setPalette(palette);
}

void showAccessibleTexts(QWidget& widget, const ui::Control& control) {
    const std::string& name = control.AccessibleName();
    const std::string& description = control.AccessibleDescription();
    widget.setAccessibleName(toQt(name.empty() ? control.Name() : name));
    if (!description.empty()) {
        widget.setAccessibleDescription(toQt(description));
    } else {
        widget.setAccessibleDescription(
            toQt(control.ToolTipText().empty() ? control.Name() : control.ToolTipText()));
    }
}

} // namespace kv380::qt
