#pragma once

#include "platform/AutomationError.h"

#include <cstdint>
#include <optional>

// The control's layout arithmetic. Everything is in twips and single precision, as the forms runtime
// computed it; the control reads its children into a LayoutInput, calls a function here and assigns the
// result field by field, in declaration order.
namespace kv380 {

// Where a run of property assignments stops. The runtime refuses a negative Width or Height (380, invalid
// property value), and a single-precision result out of range is an overflow (6); the procedure then
// leaves, and what it had assigned before stays. `at` is the first assignment that is not made.
template <class Step> struct LayoutStop {
    Step at{Step::None};
    int32_t error{0};

    bool completes() const { return at == Step::None; }

    // Call before each assignment: raises, in place of the assignment, the error the runtime raises there.
    void raiseAt(Step step) const {
        if (at == step) {
            raise(error);
        }
    }
};

// What UserControl_Resize reads: the control's own sizes and the current geometry of the children it
// measures. The defaults are the design-time geometry; the control fills every field from its children.
struct LayoutInput {
    float controlWidth{8895};       // the control's Width
    float controlHeight{4275};      // the control's Height
    float controlInnerHeight{4275}; // the control's inner (scale) height, for the two-row test
    float tabStripLeft{0};          // TabStrip.Left (kept as designed)
    float tabStripClientTop{0};     // TabStrip.ClientTop, as the renderer measures it
    float cmdRefreshHeight{320};    // cmdRefresh.Height
    float fraOrganiseLeft{120};     // fraOrganise.Left
    float fraOrganiseTop{120};      // fraOrganise.Top as it stands before this resize moves it
    float fraOrganiseWidth{5085};   // fraOrganise.Width
    float fraOrganiseHeight{320};   // fraOrganise.Height
    float fraFilterWidth{3765};     // fraFilter.Width
    float fraFilterHeight{320};     // fraFilter.Height
    float fraRefreshWidth{3405};    // fraRefresh.Width
    float fraRefreshHeight{320};    // fraRefresh.Height
    float fraPageWidth{2235};       // fraPage.Width
    int32_t selectedTab{1};         // TabStrip's selected tab index, 1 for the Options tab
};

// How the four option frames flow.
enum class FrameArrangement { OneRow, TwoRows, Column };

// The assignments of UserControl_Resize, in the order it makes them.
enum class LayoutStep {
    TabStrip_Top,
    TabStrip_Width,
    TabStrip_Height,
    cmdRefresh_Top,
    fraRWLView_Top,
    fraRWLView_Height,
    fraRWLView_Width,
    fraOrganise_Top,
    fraFilter_Left,
    fraFilter_Top,
    fraRefresh_Left,
    fraRefresh_Top,
    fraPage_Left,
    fraPage_Top,
    None // every assignment goes through
};

// What UserControl_Resize writes, field by field in assignment order. The control applies them as
//     r.stop.raiseAt(LayoutStep::TabStrip_Top); TabStrip.setTop(r.tabStripTop); ...
// so a run that stops raises the runtime's error where the refused assignment stood. A field at or after
// the stop holds the refused value (a negative size) or 0. After the last assignment the control resizes
// list element `listElement` (when not 0) and stores the bar height; neither happens when the run stops.
struct LayoutResult {
    float tabStripTop{};      // TabStrip.Top
    float tabStripWidth{};    // TabStrip.Width
    float tabStripHeight{};   // TabStrip.Height
    float cmdRefreshTop{};    // cmdRefresh.Top
    float fraRWLViewTop{};    // fraRWLView.Top
    float fraRWLViewHeight{}; // fraRWLView.Height (refused when negative)
    float fraRWLViewWidth{};  // fraRWLView.Width (refused when negative)
    float fraOrganiseTop{};   // fraOrganise.Top
    float fraFilterLeft{};    // fraFilter.Left
    float fraFilterTop{};     // fraFilter.Top
    float fraRefreshLeft{};   // fraRefresh.Left
    float fraRefreshTop{};    // fraRefresh.Top
    float fraPageLeft{};      // fraPage.Left
    float fraPageTop{};       // fraPage.Top
    int32_t listElement{0};   // rwlvStockpile element to fit (ResizerwlvStockpile); 0 for none

    FrameArrangement arrangement{FrameArrangement::OneRow}; // for reading only: nothing to assign
    float spacing{0}; // the gap between frame rows (0 in one row), for reading only
    LayoutStop<LayoutStep> stop;
};

// UserControl_Resize's arithmetic: tab strip, refresh button, list frame and option frames.
LayoutResult layoutControl(const LayoutInput& in);

// The rwlvStockpile element fitted when tab `tabIndex` (1-based) is selected; 0 for the Options tab,
// which has no list.
int32_t listElementForTab(int32_t tabIndex);

// The assignments of ResizerwlvStockpile to its list element, in order.
enum class ListElementStep { Top, Left, Height, Width, None };

// Where ResizerwlvStockpile puts its element inside fraRWLView (applied like LayoutResult, then the
// element re-arranges its items unless the run stopped).
struct ListElementLayout {
    float top{};    // element.Top
    float left{};   // element.Left
    float height{}; // element.Height (refused when negative)
    float width{};  // element.Width (refused when negative)
    LayoutStop<ListElementStep> stop;
};

// Fits a list element into fraRWLView of the given current Width and Height.
ListElementLayout layoutListElement(float fraRWLViewWidth, float fraRWLViewHeight);

// The assignments of ResizeLayout to the control's own size, in order.
enum class ResizeStep { Width, Height, None };

// ResizeLayout's result. When `acts` is false nothing changes: neither the caller's variables nor the
// control's size. Otherwise x and y are written back to the caller first, then Width and Height are set.
struct ResizeLayoutResult {
    bool acts{false};
    int32_t x{};    // written back to the caller's x (pixels)
    int32_t y{};    // written back to the caller's y (pixels)
    float width{};  // the control's Width (twips)
    float height{}; // the control's Height (twips)
    LayoutStop<ResizeStep> stop;
};

// The smallest size ResizeLayout gives the control: 240 x 100 pixels at the standard 15 twips per pixel
// (96 dots per inch), the size below which the layout would refuse negative frame sizes.
inline constexpr int32_t MinimumWidthPixels = 240;
inline constexpr int32_t MinimumHeightPixels = 100;
inline constexpr float StandardTwipsPerPixel = 15.0F;

// The minimum in pixels of a screen with `twipsPerPixel`: the standard one at 96 dots per inch or less, and
// the same size in twips (so the same room for the layout) on a denser screen, rounded up; 240 pixels at
// 15 twips per pixel are 600 at 6 (240 dots per inch).
int32_t minimumPixels(int32_t standardPixels, float twipsPerPixel);

// The host's pixel sizing call: acts only for y >= 1 and x > 0 and keeps the control at the minimum size
// at least.
ResizeLayoutResult resizeLayout(int32_t x, int32_t y, float twipsPerPixelX, float twipsPerPixelY);

// The height GetMyHeight starts from and returns when the host has no "Stockpile" bar or the lookup fails.
inline constexpr int32_t DefaultBarHeight = 140;

// GetMyHeight's value: the host bar's height as a 32-bit integer (rounded half to even; out of range is 6,
// which the control reports before returning DefaultBarHeight), or DefaultBarHeight without a bar.
int32_t barHeight(std::optional<double> hostBarHeight);

} // namespace kv380
