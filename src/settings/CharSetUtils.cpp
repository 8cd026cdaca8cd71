#include "settings/CharSetUtils.h"

#include "platform/ui/Desktop.h"

#include <exception>

namespace kv380 {

void AdjustCharset(const ui::ControlCollection& controls) {
    if (ui::currentDesktop().systemDefaultLCID() != kJapaneseLCID) {
        return;
    }
    for (ui::Control& control : controls) {
        if (!control.hasFont()) {
            continue;
        }
        // One control's failure must not keep the others in the wrong character set.
        try {
            ui::FontInfo font = control.Font();
            font.charset = kShiftJisCharset;
            control.setFont(font);
        } catch (const std::exception&) {
        }
    }
}

} // namespace kv380
