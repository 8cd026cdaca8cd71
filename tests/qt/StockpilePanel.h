#pragma once

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/UserControl.h"

namespace kv380::qt::test {

// A user control shaped like the stock pile's: option frames with a combo box, text boxes, a spinner and
// a check box, a frame holding a list array, a tab strip beneath them, a picture button and a default
// button. Built with the runtime alone, as the component builds its own.
struct StockpilePanel {
    StockpilePanel();

    ui::UserControl control{"ctlStockpile"};
    ui::Frame& fraOrganise = control.add<ui::Frame>("fraOrganise");
    ui::Label& label4 = control.add<ui::Label>("Label4", &fraOrganise);
    ui::ComboBox& cmbOrganiseBy = control.add<ui::ComboBox>("cmbOrganiseBy", &fraOrganise);
    ui::Frame& fraFilter = control.add<ui::Frame>("fraFilter");
    ui::TextBox& txtFilterBy = control.add<ui::TextBox>("txtFilterBy", &fraFilter);
    ui::Frame& fraRefresh = control.add<ui::Frame>("fraRefresh");
    ui::CheckBox& chkAutoRefresh = control.add<ui::CheckBox>("chkAutoRefresh", &fraRefresh);
    ui::TextBox& txtRefreshRate = control.add<ui::TextBox>("txtRefreshRate", &fraRefresh);
    ui::UpDown& upDown1 = control.add<ui::UpDown>("UpDown1", &fraRefresh);
    ui::Frame& fraRWLView = control.add<ui::Frame>("fraRWLView");
    ui::ControlArray<ui::RWListView>& rwlvStockpile =
        control.addArray<ui::RWListView>("rwlvStockpile", &fraRWLView);
    ui::TabStrip& tabStrip = control.add<ui::TabStrip>("TabStrip");
    ui::CommandButton& cmdRefresh = control.add<ui::CommandButton>("cmdRefresh");
    ui::CommandButton& cmdCatchEnterKey = control.add<ui::CommandButton>("cmdCatchEnterKey");
};

} // namespace kv380::qt::test
