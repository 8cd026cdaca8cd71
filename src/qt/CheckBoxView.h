#pragma once

#include "qt/ControlView.h"

class QCheckBox;

namespace kv380::ui {
class CheckBox;
}

namespace kv380::qt {

// A check box; a user's click ticks a clear or grayed box and clears a ticked one, through the model's Value.
class CheckBoxView : public ControlView {
    Q_OBJECT
public:
    CheckBoxView(FormView& form, ui::CheckBox& checkBox);

private:
    void mirrorOwn(ui::Property what) override;
    void toggledByUser();

    ui::CheckBox& m_checkBox;
    QCheckBox* m_box;
};

} // namespace kv380::qt
