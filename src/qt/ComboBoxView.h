#pragma once

#include "qt/ControlView.h"

class QComboBox;

namespace kv380::ui {
class ComboBox;
}

namespace kv380::qt {

// A drop-down list on a non-editable QComboBox; the user's choice becomes the model's ListIndex.
class ComboBoxView : public ControlView {
    Q_OBJECT
public:
    ComboBoxView(FormView& form, ui::ComboBox& combo);

private:
    void mirrorOwn(ui::Property what) override;
    void chosen(int index);

    ui::ComboBox& m_combo;
    QComboBox* m_box;
};

} // namespace kv380::qt
