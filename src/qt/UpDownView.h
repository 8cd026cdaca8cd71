#pragma once

#include "qt/ControlView.h"

namespace kv380::ui {
class UpDown;
}

namespace kv380::qt {

class SpinArrows;

// An up-down spinner: the arrows only. Its buddy text box is a line edit of its own (TextBoxView), so what
// the user types reaches the model's Text as typed, and a spin writes the buddy through the model.
class UpDownView : public ControlView {
    Q_OBJECT
public:
    UpDownView(FormView& form, ui::UpDown& upDown);

private:
    void mirrorOwn(ui::Property) override {}
    void stepped(int direction);

    ui::UpDown& m_upDown;
    SpinArrows* m_arrows;
};

} // namespace kv380::qt
