#include "StockpilePanel.h"

namespace kv380::qt::test {

StockpilePanel::StockpilePanel() {
    // Two organisations, so that the combo box has something to choose from.
    design.cmbOrganiseBy.AddItem("By Plot Area");
    design.cmbOrganiseBy.AddItem("By System");
}

} // namespace kv380::qt::test
