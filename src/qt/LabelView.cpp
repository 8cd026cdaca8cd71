#include "qt/LabelView.h"

#include "platform/ui/Label.h"
#include "qt/Text.h"

#include <QLabel>

namespace kv380::qt {

LabelView::LabelView(FormView& form, ui::Label& label)
    : ControlView(form, label), m_label(label), m_text(new QLabel) {
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setWordWrap(true);
    setWidget(m_text, true);
}

void LabelView::mirrorOwn(ui::Property what) {
    if (what == ui::Property::Caption) {
        m_text->setText(withoutAccessKeys(m_label.Caption()));
    }
}

} // namespace kv380::qt
