#pragma once

#include "qt/QtExport.h"

#include <QDialog>

namespace kv380::ui {
class Form;
}

namespace kv380::qt {

class FormView;

// A form's window: a dialog whose client area is the form's FormView. It opens and closes as the model's
// Visible says (a modal show through QtDesktop::showModal, which runs exec). The window's close box is the
// user's close (Form::closeByUser, whose QueryUnload may cancel it); Escape and Enter reach the form's cancel
// and default buttons, and never close the dialog past the model.
//
// QtDesktop makes one for each modal show and deletes it afterwards. A host that shows a form modelessly
// creates the form's FormWindow itself (parented to its main window); the model's Show and Hide then open
// and close it.
class KV380_QT_API FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(ui::Form& form, QWidget* parent = nullptr);
    ~FormWindow() override;

    FormView& view() const { return *m_view; }
    // The window showing a form, nullptr when none.
    static FormWindow* of(const ui::Form& form);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Minimizing, maximizing and restoring the window reach the form's WindowState.
    void changeEvent(QEvent* event) override;

private:
    ui::Form* m_form;
    FormView* m_view;
};

} // namespace kv380::qt
