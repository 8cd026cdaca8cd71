// The dialog's layout on every resize, and the splitter drags in between.
#include "symbolmap/frmSymbolMap.h"

#include "symbolmap/SymbolMapLayout.h"

namespace kv380 {

namespace {

void place(ui::Control& control, const TwipsRect& r) {
    control.Move(r.left, r.top, r.width, r.height);
}

void place(ui::Control& control, const TwipsPoint& p) {
    control.Move(p.left, p.top, control.Width(), control.Height());
}

} // namespace

void frmSymbolMap::Form_Resize() {
    // A minimized window has no client area to lay out; restoring it raises Resize again.
    if (WindowState() == Minimized) {
        return;
    }
    const OuterSize outer = symbolMapOuterSize(Width(), Height());
    if (outer.width != Width() || outer.height != Height()) {
        // The assignment raises Resize again, which lays the dialog out at its new size.
        Move(Left(), Top(), outer.width, outer.height);
        return;
    }

    SymbolMapLayoutInput in;
    in.scaleWidth = ScaleWidth();
    in.scaleHeight = ScaleHeight();
    in.okWidth = cmdOK.Width();
    in.okHeight = cmdOK.Height();
    in.addWidth = Command1.Width();
    if (TabStrip1.ClientTop() > 0) {
        in.tabCaptionHeight = TabStrip1.ClientTop() - TabStrip1.Top();
    }
    const SymbolMapLayoutResult r = layoutSymbolMap(in);

    place(cmdOK, r.cmdOK);
    place(cmdCancel, r.cmdCancel);
    place(TabStrip1, r.TabStrip1);
    place(FrameA, r.FrameA);
    place(FrameB, r.FrameB);
    place(TreeView1, r.TreeView1);
    place(Frame2, r.Frame2);
    place(Image1, r.Image1);
    place(RWListView2, r.RWListView2);
    place(Command1, r.Command1);
    place(Image2, r.Image2);
    place(Frame1, r.Frame1);
    place(Label1, r.Label1);
    place(RWListView1, r.RWListView1);
    RWListView1.Arrange();
}

namespace {

SplitterPanes panesOf(const SymbolMapDesign& d) {
    SplitterPanes p;
    p.frameAWidth = d.FrameA.Width();
    p.frameBLeft = d.FrameB.Left();
    p.frameBWidth = d.FrameB.Width();
    p.frameBHeight = d.FrameB.Height();
    p.treeTop = d.TreeView1.Top();
    p.treeWidth = d.TreeView1.Width();
    p.treeHeight = d.TreeView1.Height();
    p.image1Top = d.Image1.Top();
    p.image1Width = d.Image1.Width();
    p.frame2Top = d.Frame2.Top();
    p.frame2Width = d.Frame2.Width();
    p.frame2Height = d.Frame2.Height();
    p.image2Left = d.Image2.Left();
    p.frame1Left = d.Frame1.Left();
    p.frame1Width = d.Frame1.Width();
    return p;
}

void applyPanes(SymbolMapDesign& d, const SplitterPanes& p) {
    d.Image1.Move(d.Image1.Left(), p.image1Top, p.image1Width, d.Image1.Height());
    d.TreeView1.Move(d.TreeView1.Left(), d.TreeView1.Top(), p.treeWidth, p.treeHeight);
    d.Frame2.Move(d.Frame2.Left(), p.frame2Top, p.frame2Width, p.frame2Height);
    d.RWListView2.Move(d.RWListView2.Left(), d.RWListView2.Top(), p.frame2Width, p.frame2Height);
    d.Image2.Move(p.image2Left, d.Image2.Top(), d.Image2.Width(), d.Image2.Height());
    d.FrameB.Move(d.FrameB.Left(), d.FrameB.Top(), p.frameBWidth, d.FrameB.Height());
    d.Frame1.Move(p.frame1Left, d.Frame1.Top(), p.frame1Width, d.Frame1.Height());
    d.RWListView1.Move(d.RWListView1.Left(), d.RWListView1.Top(), p.frame1Width, d.RWListView1.Height());
}

bool isBar(const ui::Control& source, std::string_view name) {
    return source.Name() == name;
}

} // namespace

void frmSymbolMap::TreeView1_DragOver(ui::Control& source, float x, float y, int) {
    if (isBar(source, "Image1")) {
        applyPanes(*this, dragHorizontalSplitter(panesOf(*this), HorizontalDragOver::TreeView1, y));
    } else if (isBar(source, "Image2")) {
        applyPanes(*this, dragVerticalSplitter(panesOf(*this), VerticalDragOver::TreeView1, x));
    }
}

void frmSymbolMap::RWListView2_DragOver(ui::Control& source, float x, float y, int) {
    if (isBar(source, "Image1")) {
        applyPanes(*this, dragHorizontalSplitter(panesOf(*this), HorizontalDragOver::RWListView2, y));
    } else if (isBar(source, "Image2")) {
        applyPanes(*this, dragVerticalSplitter(panesOf(*this), VerticalDragOver::RWListView2, x));
    }
}

void frmSymbolMap::RWListView1_DragOver(ui::Control& source, float x, float, int) {
    // The horizontal bar has nothing to do over the chosen symbols.
    if (isBar(source, "Image2")) {
        applyPanes(*this, dragVerticalSplitter(panesOf(*this), VerticalDragOver::RWListView1, x));
    }
}

} // namespace kv380
