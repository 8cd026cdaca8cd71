#pragma once

#include "qt/ControlView.h"

class QPushButton;

namespace kv380::ui {
class CommandButton;
}

namespace kv380::qt {

// A command button; a picture button shows its picture as an icon. Enter and Escape are the form's
// business (TopLevel::pressEnter/pressEscape, see FormView), so the push button never acts as Qt's default
// button: otherwise a key could click it past the model.
class ButtonView : public ControlView {
    Q_OBJECT
public:
    ButtonView(FormView& form, ui::CommandButton& button);

private:
    void mirrorOwn(ui::Property what) override;
    void pushed();

    ui::CommandButton& m_button;
    QPushButton* m_push;
};

} // namespace kv380::qt
