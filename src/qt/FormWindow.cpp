#include "qt/FormWindow.h"

#include "platform/ui/Form.h"
#include "qt/FormView.h"
#include "qt/SlotGuard.h"

#include <QCloseEvent>
#include <QEvent>
#include <QVBoxLayout>

#include <string>

namespace kv380::qt {

FormWindow::FormWindow(ui::Form& form, QWidget* parent)
    : QDialog(parent), m_form(&form), m_view(new FormView(form, this)) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    m_view->start();
}

FormWindow::~FormWindow() {
    // The view goes with the dialog; it lets go of the model first.
    m_view->detach();
}

FormWindow* FormWindow::of(const ui::Form& form) {
    FormView* view = FormView::of(form);
    return view != nullptr ? qobject_cast<FormWindow*>(view->window()) : nullptr;
}

void FormWindow::reject() {
    // Escape reached the dialog: the form has no cancel button, and only the model closes the form.
}

void FormWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_view->topLevel() == nullptr) {
        return;
    }
    const Qt::WindowStates states = windowState();
    const int state = (states & Qt::WindowMinimized) != 0   ? ui::Form::Minimized
                      : (states & Qt::WindowMaximized) != 0 ? ui::Form::Maximized
                                                            : ui::Form::Normal;
    if (state == m_form->WindowState()) {
        return;
    }
    std::string context("FormWindow::changeEvent (");
    context.append(m_form->Name()).append(")");
    guardSlot(context, [&] { m_form->setWindowState(state); });
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The model decides: when the form unloads, its Visible hides this window.
    event->ignore();
    if (m_view->topLevel() == nullptr) {
        event->accept();
        return;
    }
    std::string context("FormWindow::closeEvent (");
    context.append(m_form->Name()).append(")");
    guardSlot(context, [&] { m_form->closeByUser(); });
}

} // namespace kv380::qt
