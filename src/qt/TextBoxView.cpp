#include "qt/TextBoxView.h"

#include "platform/ui/TextBox.h"
#include "qt/Text.h"

#include <QLineEdit>

namespace kv380::qt {

TextBoxView::TextBoxView(FormView& form, ui::TextBox& textBox)
    : ControlView(form, textBox), m_textBox(textBox), m_edit(new QLineEdit) {
    setWidget(m_edit, false);
    // textEdited comes from the user only, never from setText: a mirrored change cannot echo back.
    connect(m_edit, &QLineEdit::textEdited, this, &TextBoxView::edited);
    // Enter, or the focus leaving the box.
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        input("QLineEdit::editingFinished", ui::Property::Text, [&] { m_textBox.raiseEditFinished(); });
    });
}

void TextBoxView::edited(const QString& text) {
    input("QLineEdit::textEdited", ui::Property::Text, [&] { m_textBox.setText(fromQt(text)); });
}

void TextBoxView::mirrorOwn(ui::Property what) {
    if (what != ui::Property::Text) {
        return;
    }
    const QString text = toQt(m_textBox.Text());
    // Rewriting the same text would move the user's cursor.
    if (m_edit->text() != text) {
        m_edit->setText(text);
    }
}

} // namespace kv380::qt
