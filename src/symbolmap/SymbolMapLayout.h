#pragma once

// The Symbol Map dialog's layout arithmetic, in twips and single precision. The dialog reads its sizes into
// the inputs, calls a function here and assigns the result; the functions know nothing of controls.
namespace kv380 {

// The window's outer size is never below this.
inline constexpr float SymbolMapMinimumWidth = 6000;
inline constexpr float SymbolMapMinimumHeight = 4500;
// Margin at the window's edges, between the buttons and inside the panes.
inline constexpr float SymbolMapMargin = 120;
// Thickness of a splitter bar, and the gap it takes between two panes.
inline constexpr float SplitterThickness = 80;
// Where a resize puts the splitters: the left pane's share of the width, the tree's share of the left
// pane's height (less two margins).
inline constexpr float LeftPaneShare = 0.3F;
inline constexpr float TreeShare = 0.5F;
// A splitter drag leaves every pane at least this wide and high.
inline constexpr float MinimumPaneSize = 300;

struct TwipsRect {
    float left{0};
    float top{0};
    float width{0};
    float height{0};

    bool operator==(const TwipsRect&) const = default;
};

struct TwipsPoint {
    float left{0};
    float top{0};

    bool operator==(const TwipsPoint&) const = default;
};

// The outer size a resize leaves the window at: raised to the minimum where it is below it.
struct OuterSize {
    float width{0};
    float height{0};
};
OuterSize symbolMapOuterSize(float outerWidth, float outerHeight);

// What the full layout reads: the client area, the button sizes, which never change at run time, and the
// height of the tab captions where a renderer has measured it.
struct SymbolMapLayoutInput {
    float scaleWidth{11520};
    float scaleHeight{7350};
    float okWidth{1095};  // cmdOK.Width
    float okHeight{340};  // cmdOK.Height
    float addWidth{1095}; // Command1.Width
    // TabStrip1.ClientTop less TabStrip1.Top; 0 while no renderer has measured the captions.
    float tabCaptionHeight{0};
};

// Every control's place after a resize, each relative to its container. The buttons and Label1 keep their
// sizes; only their positions are set.
struct SymbolMapLayoutResult {
    TwipsPoint cmdOK;
    TwipsPoint cmdCancel;
    TwipsRect TabStrip1;
    TwipsRect FrameA;
    TwipsRect FrameB;
    TwipsRect TreeView1;
    TwipsRect Frame2;
    TwipsRect Image1;
    TwipsRect RWListView2;
    TwipsPoint Command1;
    TwipsRect Image2;
    TwipsRect Frame1;
    TwipsPoint Label1;
    TwipsRect RWListView1;
};

// The full layout: the buttons at the bottom right, the tab strip over the rest, inside it the left pane
// (30 % of the width: the tree over the folder's symbols, split in half) and the chosen symbols on the
// right, the Add button centred under the left pane. The panes start below a band for the tab captions one
// button high, or as high as the measured captions where they need more. A client area too small for the
// panes gives sizes of 0 rather than negative ones, which no control accepts.
SymbolMapLayoutResult layoutSymbolMap(const SymbolMapLayoutInput& in);

// The pane borders as they stand; a splitter drag reads them and writes them back. All positions are
// relative to the pane's container (FrameA for the panes and the vertical bar, FrameB for what is inside
// the left pane).
struct SplitterPanes {
    float frameAWidth{0};
    float frameBLeft{0};
    float frameBWidth{0};
    float frameBHeight{0};
    float treeTop{0};
    float treeWidth{0};
    float treeHeight{0};
    float image1Top{0};
    float image1Width{0};
    float frame2Top{0};
    float frame2Width{0};
    float frame2Height{0}; // also RWListView2's height
    float image2Left{0};
    float frame1Left{0};
    float frame1Width{0}; // also RWListView1's width

    bool operator==(const SplitterPanes&) const = default;
};

// Where the horizontal bar (between the tree and the folder's symbols) is dragged: the pointer's Y over the
// tree or over the folder symbol list, in that control's twips.
enum class HorizontalDragOver { TreeView1, RWListView2 };
SplitterPanes dragHorizontalSplitter(SplitterPanes panes, HorizontalDragOver over, float y);

// Where the vertical bar (between the left pane and the chosen symbols) is dragged: the pointer's X over
// the tree, the folder symbol list or the chosen symbols list, in that control's twips.
enum class VerticalDragOver { TreeView1, RWListView2, RWListView1 };
SplitterPanes dragVerticalSplitter(SplitterPanes panes, VerticalDragOver over, float x);

} // namespace kv380
