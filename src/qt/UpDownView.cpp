#include "qt/UpDownView.h"

#include "platform/ui/UpDown.h"
#include "qt/SpinArrows.h"

namespace kv380::qt {

UpDownView::UpDownView(FormView& form, ui::UpDown& upDown)
    : ControlView(form, upDown), m_upDown(upDown), m_arrows(new SpinArrows) {
    setWidget(m_arrows, false);
    connect(m_arrows, &SpinArrows::stepped, this, &UpDownView::stepped);
}

void UpDownView::stepped(int direction) {
    input("SpinArrows::stepped", [&] {
        if (direction > 0) {
            m_upDown.spinUp();
        } else {
            m_upDown.spinDown();
        }
    });
}

} // namespace kv380::qt
