#pragma once

#include "platform/ui/UserControl.h"
#include "stockpile/StockpileDesign.h"

namespace kv380::qt::test {

// The stock pile's own design-time panel, built on a bare user control without the control's behaviour:
// option frames with a combo box, text boxes, spinners and a check box, a frame holding a list array, the
// tab strip beneath them, a picture button and a default button. Tests connect the events they need.
struct StockpilePanel {
    StockpilePanel();

    ui::UserControl control{"ctlStockpile"};
    StockpileDesign design{control};
};

} // namespace kv380::qt::test
