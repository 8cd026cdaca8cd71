#pragma once

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TextBox.h"
#include "platform/ui/Timer.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/UserControl.h"

#include <cstdint>

namespace kv380 {

// The stock pile's design-time form: its child controls, created on a user control with their design
// geometry and settings, in this order: the tab strip first, so that the frames and the refresh button lie
// over it. The control builds itself from this; a renderer test can build the same panel on a bare user
// control. Nothing here has behaviour: the owner connects the events.
struct StockpileDesign {
    explicit StockpileDesign(ui::UserControl& owner);
    StockpileDesign(const StockpileDesign&) = delete;
    StockpileDesign& operator=(const StockpileDesign&) = delete;

    // The user control the children belong to (its mouse pointer is the control's).
    ui::UserControl& owner;

    ui::TabStrip& TabStrip;
    ui::Frame& fraOrganise;
    ui::ComboBox& cmbOrganiseBy;
    ui::Label& Label4;
    ui::Timer& tmrGenerateEvents;
    ui::CommandButton& cmdRefresh;
    ui::Timer& tmrRefreshMePlease;
    ui::Frame& fraRWLView;
    ui::ControlArray<ui::RWListView>& rwlvStockpile;
    ui::Frame& fraFilter;
    ui::TextBox& txtFilterBy;
    ui::Label& Label2;
    ui::Frame& fraRefresh;
    ui::TextBox& txtRefreshRate;
    ui::UpDown& UpDown1;
    ui::CheckBox& chkAutoRefresh;
    ui::Label& Label1;
    ui::Frame& fraPage;
    ui::TextBox& txtPageNo;
    ui::UpDown& UpDown2;
    ui::Label& Label3;
    ui::Label& lbTotal;
    ui::CommandButton& cmdCatchEnterKey;

    // Whether list element `index` is loaded: asking an element for its name succeeds only then.
    bool HasNameProperty(int32_t index) const { return rwlvStockpile.exists(index); }

    // The caption of tab 1, which every page of tabs starts with. The blanks leave room for the refresh
    // button, which sits over the start of the caption.
    static constexpr const char* OptionsCaption = "      Options";

private:
    void applyDesign();
};

} // namespace kv380
