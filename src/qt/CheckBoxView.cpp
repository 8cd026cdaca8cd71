#include "qt/CheckBoxView.h"

#include "platform/ui/CheckBox.h"
#include "qt/Text.h"

#include <QCheckBox>

namespace kv380::qt {

CheckBoxView::CheckBoxView(FormView& form, ui::CheckBox& checkBox)
    : ControlView(form, checkBox), m_checkBox(checkBox), m_box(new QCheckBox) {
    setWidget(m_box, false);
    connect(m_box, &QCheckBox::clicked, this, &CheckBoxView::toggledByUser);
}

void CheckBoxView::toggledByUser() {
    // The box toggled itself already; the model decides, and the box is set back to what it holds.
    input("QCheckBox::clicked", ui::Property::Value, [&] {
        m_checkBox.setValue(m_checkBox.Value() == ui::CheckBox::Checked ? ui::CheckBox::Unchecked
                                                                        : ui::CheckBox::Checked);
    });
}

void CheckBoxView::mirrorOwn(ui::Property what) {
    switch (what) {
    case ui::Property::Caption:
        m_box->setText(toQt(m_checkBox.Caption()));
        break;
    case ui::Property::Value:
        switch (m_checkBox.Value()) {
        case ui::CheckBox::Checked:
            m_box->setCheckState(Qt::Checked);
            break;
        case ui::CheckBox::Grayed:
            m_box->setCheckState(Qt::PartiallyChecked);
            break;
        default:
            m_box->setCheckState(Qt::Unchecked);
            break;
        }
        break;
    default:
        break;
    }
}

} // namespace kv380::qt
