#pragma once

#include "stockpile/HostLinks.h"
#include "stockpile/StockpileDesign.h"

#include <cstdint>

namespace kv380 {

// Applies the layout arithmetic (stockpile/Layout.h) to the child controls: on every resize of the control,
// to the shown list element, and for the host's pixel sizing call. It also keeps the bar's height as a
// preference.
class ControlLayout {
public:
    ControlLayout(StockpileDesign& design, HostLinks& host);

    void UserControl_Resize();
    // Sizes list element `index` to its frame, when it exists.
    void ResizerwlvStockpile(int32_t index);
    // The host's pixel sizing call; x and y (pixels) are raised to 240 x 100 and written back.
    void ResizeLayout(int32_t& x, int32_t& y);
    // The "Stockpile" bar's height as the preference stores it; the default when there is no bar.
    int32_t GetMyHeight();

private:
    StockpileDesign& m_design;
    HostLinks& m_host;
};

} // namespace kv380
