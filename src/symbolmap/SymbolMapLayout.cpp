#include "symbolmap/SymbolMapLayout.h"

#include <algorithm>

namespace kv380 {

namespace {

// No control takes a negative size; a client area too small for the panes leaves them empty instead.
float size(float computed) {
    return std::max(0.0F, computed);
}

} // namespace

OuterSize symbolMapOuterSize(float outerWidth, float outerHeight) {
    return {std::max(outerWidth, SymbolMapMinimumWidth), std::max(outerHeight, SymbolMapMinimumHeight)};
}

SymbolMapLayoutResult layoutSymbolMap(const SymbolMapLayoutInput& in) {
    constexpr float m = SymbolMapMargin;
    constexpr float bar = SplitterThickness;
    SymbolMapLayoutResult r;

    r.cmdOK = {in.scaleWidth - 2 * (in.okWidth + m), in.scaleHeight - in.okHeight - m};
    r.cmdCancel = {r.cmdOK.left + in.okWidth + m, r.cmdOK.top};

    r.TabStrip1 = {m, m, size(in.scaleWidth - 2 * m), size(in.scaleHeight - in.okHeight - 3 * m)};
    // The top of the strip holds the tab captions: one button high, unless they need more.
    const float captions = std::max(in.okHeight, in.tabCaptionHeight);
    r.FrameA = {r.TabStrip1.left, r.TabStrip1.top + captions, r.TabStrip1.width,
                size(r.TabStrip1.height - captions)};

    r.FrameB = {0, 0, LeftPaneShare * r.FrameA.width, r.FrameA.height};
    r.TreeView1 = {m, 0, size(r.FrameB.width - m), size(TreeShare * (r.FrameB.height - 2 * m))};
    r.Frame2 = {m, r.TreeView1.top + r.TreeView1.height + bar, r.TreeView1.width,
                size(r.FrameB.height - r.TreeView1.height - bar - m)};
    r.Image1 = {0, r.Frame2.top - bar, r.FrameB.width, bar};
    r.RWListView2 = {0, 0, r.Frame2.width, r.Frame2.height};

    r.Command1 = {r.FrameA.left + r.FrameB.width / 2 - in.addWidth / 2, r.cmdOK.top};

    r.Image2 = {r.FrameB.left + r.FrameB.width, 0, bar, r.FrameA.height};
    r.Frame1 = {r.Image2.left + bar, 0, size(r.FrameA.width - r.FrameB.width - bar - m),
                size(r.FrameA.height - m)};
    r.Label1 = {r.Frame1.left, r.cmdOK.top};
    r.RWListView1 = {0, 0, r.Frame1.width, r.Frame1.height};
    return r;
}

SplitterPanes dragHorizontalSplitter(SplitterPanes p, HorizontalDragOver over, float y) {
    constexpr float bar = SplitterThickness;
    float barTop = 0;
    float treeHeight = 0;
    if (over == HorizontalDragOver::TreeView1) {
        barTop = y;
        treeHeight = y;
    } else {
        barTop = p.frame2Top + y - bar;
        treeHeight = barTop - p.treeTop;
    }
    // Both the tree and the folder's symbols keep a usable height; the bar moves with the clamp.
    const float highest = p.frameBHeight - bar - SymbolMapMargin - MinimumPaneSize;
    const float clamped = std::max(MinimumPaneSize, std::min(treeHeight, highest));
    barTop += clamped - treeHeight;

    p.image1Top = barTop;
    p.frame2Top = barTop + bar;
    p.treeHeight = clamped;
    p.frame2Height = size(p.frameBHeight - p.treeHeight - bar - SymbolMapMargin);
    return p;
}

SplitterPanes dragVerticalSplitter(SplitterPanes p, VerticalDragOver over, float x) {
    constexpr float bar = SplitterThickness;
    const float origin = over == VerticalDragOver::RWListView1 ? p.frame1Left : p.frameBLeft;
    // The left pane's width is the bar's position: the tree and the chosen symbols keep a usable width.
    const float narrowest = SymbolMapMargin + MinimumPaneSize;
    const float widest = p.frameAWidth - bar - SymbolMapMargin - MinimumPaneSize;
    const float position = std::max(narrowest, std::min(origin + x, widest));

    p.image2Left = position;
    p.frameBWidth = p.image2Left;
    p.image1Width = p.frameBWidth;
    p.frame1Left = p.image2Left + bar;
    p.frame1Width = size(p.frameAWidth - p.frameBWidth - bar - SymbolMapMargin);
    p.treeWidth = size(p.frameBWidth - SymbolMapMargin);
    p.frame2Width = p.treeWidth;
    return p;
}

} // namespace kv380
