#include "stockpile/StockpileDesign.h"

#include "platform/ui/PictureNames.h"

namespace kv380 {

StockpileDesign::StockpileDesign(ui::UserControl& owner_)
    : owner(owner_), TabStrip(owner_.add<ui::TabStrip>("TabStrip")),
      fraOrganise(owner_.add<ui::Frame>("fraOrganise")),
      cmbOrganiseBy(owner_.add<ui::ComboBox>("cmbOrganiseBy", &fraOrganise)),
      Label4(owner_.add<ui::Label>("Label4", &fraOrganise)),
      tmrGenerateEvents(owner_.add<ui::Timer>("tmrGenerateEvents")),
      cmdRefresh(owner_.add<ui::CommandButton>("cmdRefresh")),
      tmrRefreshMePlease(owner_.add<ui::Timer>("tmrRefreshMePlease")),
      fraRWLView(owner_.add<ui::Frame>("fraRWLView")),
      rwlvStockpile(owner_.addArray<ui::RWListView>("rwlvStockpile", &fraRWLView)),
      fraFilter(owner_.add<ui::Frame>("fraFilter")),
      txtFilterBy(owner_.add<ui::TextBox>("txtFilterBy", &fraFilter)),
      Label2(owner_.add<ui::Label>("Label2", &fraFilter)), fraRefresh(owner_.add<ui::Frame>("fraRefresh")),
      txtRefreshRate(owner_.add<ui::TextBox>("txtRefreshRate", &fraRefresh)),
      UpDown1(owner_.add<ui::UpDown>("UpDown1", &fraRefresh)),
      chkAutoRefresh(owner_.add<ui::CheckBox>("chkAutoRefresh", &fraRefresh)),
      Label1(owner_.add<ui::Label>("Label1", &fraRefresh)), fraPage(owner_.add<ui::Frame>("fraPage")),
      txtPageNo(owner_.add<ui::TextBox>("txtPageNo", &fraPage)),
      UpDown2(owner_.add<ui::UpDown>("UpDown2", &fraPage)), Label3(owner_.add<ui::Label>("Label3", &fraPage)),
      lbTotal(owner_.add<ui::Label>("lbTotal", &fraPage)),
      cmdCatchEnterKey(owner_.add<ui::CommandButton>("cmdCatchEnterKey")) {
    applyDesign();
}

void StockpileDesign::applyDesign() {
    owner.Move(0, 0, 8895, 4275);
    TabStrip.Move(0, 0, 8895, 4275);
    // The option frames and the list frame take the top of the strip; its last 500 twips hold the tab
    // captions, the refresh button sitting over the blanks that start the Options caption.
    TabStrip.setTabPlacement(ui::TabStrip::Placement::Bottom);
    TabStrip.addTab(OptionsCaption);

    fraOrganise.Move(120, 120, 5085, 320);
    Label4.Move(120, 60, 1215, 255);
    Label4.setCaption("Organise By");
    cmbOrganiseBy.Move(1440, 0, 3615, 315);

    tmrGenerateEvents.setInterval(200);
    tmrGenerateEvents.setEnabled(true);

    cmdRefresh.Move(0, 3960, 320, 320);
    cmdRefresh.setStyle(ui::CommandButton::Graphical);
    cmdRefresh.setPicture(ui::picture::Refresh);
    cmdRefresh.setToolTipText("Refresh Stockpile");

    tmrRefreshMePlease.setEnabled(false);
    tmrRefreshMePlease.setInterval(20000);

    fraRWLView.Move(120, 1080, 2655, 2295);
    rwlvStockpile[1].Move(240, 360, 255, 255);
    rwlvStockpile[1].setToolTipText("Select an object");

    fraFilter.Move(120, 480, 3765, 320);
    Label2.Move(120, 60, 1215, 255);
    Label2.setCaption("Filter By");
    txtFilterBy.Move(1440, 0, 2250, 315);

    fraRefresh.Move(3960, 720, 3405, 320);
    chkAutoRefresh.Move(0, 60, 1455, 195);
    chkAutoRefresh.setCaption("Auto Refresh?");
    txtRefreshRate.Move(1920, 0, 320, 315);
    UpDown1.Move(2280, 0, 240, 315);
    Label1.Move(2640, 60, 975, 255);
    Label1.setCaption("Seconds");

    fraPage.Move(7440, 720, 2235, 435);
    Label3.Move(200, 60, 395, 255);
    Label3.setCaption("Page");
    txtPageNo.Move(700, 0, 300, 315);
    UpDown2.Move(1000, 0, 240, 315);
    lbTotal.Move(1300, 60, 900, 255);
    lbTotal.setCaption("of # pages");

    for (ui::UpDown* spinner : {&UpDown1, &UpDown2}) {
        spinner->setMin(0);
        spinner->setMax(60);
        spinner->setIncrement(1);
    }
    UpDown1.setBuddyControl(&txtRefreshRate);
    UpDown2.setBuddyControl(&txtPageNo);

    // Enter anywhere in the control presses this button, which does nothing: the host never sees the key.
    // It lies outside the visible area.
    cmdCatchEnterKey.setCaption("Catch Enter Key");
    cmdCatchEnterKey.Move(-2400, 0, 1200, 315);
    cmdCatchEnterKey.setDefault(true);

    // Only the Options tab's frames show until a view tab is chosen.
    fraRWLView.setVisible(false);
    fraPage.setVisible(false);
}

} // namespace kv380
