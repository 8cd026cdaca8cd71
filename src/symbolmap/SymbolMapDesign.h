#pragma once

#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Label.h"
#include "platform/ui/RWListView.h"
#include "platform/ui/TabStrip.h"
#include "platform/ui/TreeView.h"

namespace kv380 {

// The Symbol Map dialog's design: its child controls, created on the form with their design geometry and
// settings, in this order: the tab strip first, so that the panes lie over it. Nothing here has behaviour:
// the dialog connects the events.
struct SymbolMapDesign {
    explicit SymbolMapDesign(ui::Form& owner);
    SymbolMapDesign(const SymbolMapDesign&) = delete;
    SymbolMapDesign& operator=(const SymbolMapDesign&) = delete;

    ui::Form& owner;

    // One tab per conversion target.
    ui::TabStrip& TabStrip1;
    // The panes, laid over the tab strip's page area.
    ui::Frame& FrameA;
    // The left pane: the folder tree over the folder's symbols, with the horizontal splitter bar between.
    ui::Frame& FrameB;
    ui::TreeView& TreeView1;
    ui::Image& Image1;
    ui::Frame& Frame2;
    ui::RWListView& RWListView2;
    // The vertical splitter bar, and the right pane with the chosen symbols (its selected row the default).
    ui::Image& Image2;
    ui::Frame& Frame1;
    ui::RWListView& RWListView1;
    ui::CommandButton& Command1;
    ui::Label& Label1;
    ui::CommandButton& cmdOK;
    ui::CommandButton& cmdCancel;
    // The folder images of the tree.
    ui::ImageList& ImageList1;

private:
    void applyDesign();
};

} // namespace kv380
