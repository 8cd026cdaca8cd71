#include "StockpilePanel.h"

#include "platform/ui/Pictures.h"

namespace kv380::qt::test {

StockpilePanel::StockpilePanel() {
    control.Move(0, 0, 8895, 4275);
    fraOrganise.Move(120, 120, 5085, 320);
    label4.Move(120, 60, 1215, 255);
    label4.setCaption("Organise By");
    cmbOrganiseBy.Move(1440, 0, 3615, 315);
    cmbOrganiseBy.AddItem("By Plot Area");
    cmbOrganiseBy.AddItem("By System");
    fraFilter.Move(120, 480, 3765, 320);
    txtFilterBy.Move(1440, 0, 2250, 315);
    fraRefresh.Move(3960, 720, 3405, 320);
    chkAutoRefresh.Move(0, 60, 1455, 195);
    chkAutoRefresh.setCaption("Auto Refresh?");
    txtRefreshRate.Move(1920, 0, 320, 315);
    upDown1.Move(2280, 0, 240, 315);
    upDown1.setMin(0);
    upDown1.setMax(60);
    upDown1.setBuddyControl(&txtRefreshRate);
    fraRWLView.Move(120, 1080, 2655, 2295);
    rwlvStockpile[1].Move(240, 360, 255, 255);
    rwlvStockpile[1].setToolTipText("Select an object");
    tabStrip.Move(0, 0, 8895, 4275);
    tabStrip.addTab("      Options");
    cmdRefresh.Move(0, 3960, 320, 320);
    cmdRefresh.setStyle(ui::CommandButton::Graphical);
    cmdRefresh.setPicture(ui::picture::Refresh);
    cmdCatchEnterKey.Move(-1000, -1000, 100, 100);
    cmdCatchEnterKey.setCaption("Catch Enter Key");
    cmdCatchEnterKey.setDefault(true);
}

} // namespace kv380::qt::test
