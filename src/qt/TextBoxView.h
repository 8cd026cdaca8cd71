#pragma once

#include "qt/ControlView.h"

class QLineEdit;

namespace kv380::ui {
class TextBox;
}

namespace kv380::qt {

// A text box on a line edit. Every edit the user makes becomes the model's Text at once (which raises
// Change), whatever a handler then does with it; the line edit shows what the model ends up holding.
class TextBoxView : public ControlView {
    Q_OBJECT
public:
    TextBoxView(FormView& form, ui::TextBox& textBox);

private:
    void mirrorOwn(ui::Property what) override;
    void edited(const QString& text);

    ui::TextBox& m_textBox;
    QLineEdit* m_edit;
};

} // namespace kv380::qt
