#include "qt/ComboBoxView.h"

#include "platform/ui/ComboBox.h"
#include "qt/Text.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace kv380::qt {

ComboBoxView::ComboBoxView(FormView& form, ui::ComboBox& combo)
    : ControlView(form, combo), m_combo(combo), m_box(new QComboBox) {
    m_box->setEditable(false);
    setWidget(m_box, false);
    // activated is the user's choice only (also of the entry already shown, which the model raises Click
    // for).
    connect(m_box, &QComboBox::activated, this, &ComboBoxView::chosen);
}

void ComboBoxView::chosen(int index) {
    input("QComboBox::activated", ui::Property::Selection, [&] { m_combo.setListIndex(index); });
}

void ComboBoxView::mirrorOwn(ui::Property what) {
    if (what != ui::Property::List && what != ui::Property::Selection) {
        return;
    }
    const QSignalBlocker blocker(m_box);
    if (what == ui::Property::List) {
        QStringList entries;
        entries.reserve(m_combo.ListCount());
        for (int i = 0; i < m_combo.ListCount(); ++i) {
            entries.push_back(toQt(m_combo.List(i)));
        }
        m_box->clear();
        m_box->addItems(entries);
    }
    m_box->setCurrentIndex(m_combo.ListIndex());
}

} // namespace kv380::qt
