#include "symbolmap/SymbolMapDesign.h"

#include "platform/ui/MousePointer.h"
#include "platform/ui/PictureNames.h"

namespace kv380 {

SymbolMapDesign::SymbolMapDesign(ui::Form& owner_)
    : owner(owner_), TabStrip1(owner_.add<ui::TabStrip>("TabStrip1")),
      FrameA(owner_.add<ui::Frame>("FrameA")), FrameB(owner_.add<ui::Frame>("FrameB", &FrameA)),
      TreeView1(owner_.add<ui::TreeView>("TreeView1", &FrameB)),
      Image1(owner_.add<ui::Image>("Image1", &FrameB)), Frame2(owner_.add<ui::Frame>("Frame2", &FrameB)),
      RWListView2(owner_.add<ui::RWListView>("RWListView2", &Frame2)),
      Image2(owner_.add<ui::Image>("Image2", &FrameA)), Frame1(owner_.add<ui::Frame>("Frame1", &FrameA)),
      RWListView1(owner_.add<ui::RWListView>("RWListView1", &Frame1)),
      Command1(owner_.add<ui::CommandButton>("Command1")), Label1(owner_.add<ui::Label>("Label1")),
      cmdOK(owner_.add<ui::CommandButton>("cmdOK")), cmdCancel(owner_.add<ui::CommandButton>("cmdCancel")),
      ImageList1(owner_.add<ui::ImageList>("ImageList1")) {
    applyDesign();
}

void SymbolMapDesign::applyDesign() {
    // The design client area; a renderer writes the real outer and inner sizes when it shows the form.
    owner.Move(0, 0, 11520, 7350);
    owner.setScaleSize(11520, 7350);

    TabStrip1.Move(240, 240, 10815, 6255);
    FrameA.Move(360, 720, 10575, 5655);
    FrameB.Move(0, 0, 3255, 5655);
    TreeView1.Move(0, 120, 3015, 2055);
    Image1.Move(0, 2280, 3015, 75);
    Frame2.Move(0, 2400, 3255, 3015);
    RWListView2.Move(120, 120, 1000, 1000);
    Image2.Move(3240, 120, 75, 5535);
    Frame1.Move(3360, 0, 6975, 5415);
    RWListView1.Move(120, 120, 4695, 3375);
    Command1.Move(960, 6840, 1095, 375);
    Label1.Move(2040, 6840, 6735, 375);
    cmdOK.Move(9120, 6840, 1095, 340);
    cmdCancel.Move(10320, 6840, 1095, 340);

    ImageList1.setImageWidth(16);
    ImageList1.setImageHeight(16);
    ImageList1.addImage(ui::picture::FolderClosed);
    ImageList1.addImage(ui::picture::FolderOpen);
    TreeView1.setImageList(&ImageList1);

    // The bars show a sizing pointer and drag themselves as soon as the button goes down on them.
    Image1.setMousePointer(ui::pointer::SizeNS);
    Image1.setDragMode(1);
    Image1.setDragIcon(ui::picture::DragArrowNS);
    Image2.setMousePointer(ui::pointer::SizeWE);
    Image2.setDragMode(1);
    Image2.setDragIcon(ui::picture::DragArrowWE);

    RWListView2.setToolTipText("Double Click to Add.");
    RWListView2.setMultiSelect(false);
    // The chosen symbols may name one symbol twice, and one selected row is the default.
    RWListView1.setUniqueKeys(false);
    RWListView1.setMultiSelect(false);

    Command1.setCaption("Add");
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    cmdCancel.setCaption("Cancel");
    cmdCancel.setCancel(true);
}

} // namespace kv380
