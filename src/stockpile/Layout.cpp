#include "stockpile/Layout.h"

#include "platform/convert/Convert.h"

#include <algorithm>
#include <cmath>

namespace kv380 {

namespace {

// The gap between frame rows may not exceed this, nor go below 0 (frames touch but never overlap).
constexpr float MaxSpacing = 60;

// Thrown inside a run to stop it at a step; never leaves this file.
template <class Step> struct Stopped {
    Step at;
    int32_t error;
};

// A single-precision result out of range is the runtime's overflow, raised where it is computed.
template <class Step> float finite(float value, Step step) {
    if (!std::isfinite(value)) {
        throw Stopped<Step>{step, err::Overflow};
    }
    return value;
}

template <class Step> void assignPosition(float& field, float value, Step step) {
    field = finite(value, step);
}

// Width and Height refuse negative values.
template <class Step> void assignSize(float& field, float value, Step step) {
    field = finite(value, step);
    if (value < 0) {
        throw Stopped<Step>{step, err::InvalidPropertyValue};
    }
}

// The tab strip's client top as a whole number, halves to even.
float wholeClientTop(float clientTop, LayoutStep step) {
    const float rounded = convert::roundHalfEven(finite(clientTop, step));
    if (rounded < -2147483648.0f || rounded >= 2147483648.0f) {
        throw Stopped<LayoutStep>{step, err::Overflow};
    }
    return rounded;
}

// Rounds the spare height per gap to whole twips, halves to even, and keeps it within 0..60.
float spacing(float spare, float gaps, LayoutStep step) {
    const float g = convert::roundHalfEven(finite(spare / gaps, step));
    return std::clamp(g, 0.0f, MaxSpacing);
}

FrameArrangement chooseArrangement(const LayoutInput& in, float tabStripWidth) {
    constexpr auto step = LayoutStep::fraOrganise_Top; // the first assignment that depends on the choice
    const float twoFrames = finite(in.fraOrganiseLeft + in.fraOrganiseWidth + in.fraFilterWidth + 120, step);
    if (twoFrames > tabStripWidth) {
        return FrameArrangement::Column;
    }
    const float fourFrames = finite(in.fraOrganiseLeft + in.fraOrganiseWidth + in.fraFilterWidth +
                                        in.fraRefreshWidth + in.fraPageWidth + 180,
                                    step);
    const float twoRowsHeight = finite(2 * in.fraFilterHeight + in.fraOrganiseTop + 460, step);
    // A control too short for two rows keeps one row, even when the row is wider than the tab strip.
    if (fourFrames > tabStripWidth && twoRowsHeight < in.controlInnerHeight) {
        return FrameArrangement::TwoRows;
    }
    return FrameArrangement::OneRow;
}

void placeFrames(const LayoutInput& in, LayoutResult& r) {
    using S = LayoutStep;
    r.arrangement = chooseArrangement(in, r.tabStripWidth);
    assignPosition(r.fraOrganiseTop, 60.0f, S::fraOrganise_Top);

    switch (r.arrangement) {
    case FrameArrangement::Column: {
        const float ct = wholeClientTop(in.tabStripClientTop, S::fraFilter_Left);
        r.spacing =
            spacing(r.tabStripHeight - ct - in.fraFilterHeight - in.fraOrganiseHeight - in.fraRefreshHeight,
                    4, S::fraFilter_Left);
        assignPosition(r.fraFilterLeft, in.fraOrganiseLeft, S::fraFilter_Left);
        assignPosition(r.fraFilterTop, r.fraOrganiseTop + in.fraOrganiseHeight + r.spacing, S::fraFilter_Top);
        assignPosition(r.fraRefreshLeft, r.fraFilterLeft, S::fraRefresh_Left);
        assignPosition(r.fraRefreshTop, r.fraFilterTop + in.fraFilterHeight + r.spacing, S::fraRefresh_Top);
        break;
    }
    case FrameArrangement::OneRow:
        assignPosition(r.fraFilterLeft, in.fraOrganiseLeft + in.fraOrganiseWidth + 60, S::fraFilter_Left);
        assignPosition(r.fraFilterTop, r.fraOrganiseTop, S::fraFilter_Top);
        assignPosition(r.fraRefreshLeft, r.fraFilterLeft + in.fraFilterWidth + 60, S::fraRefresh_Left);
        assignPosition(r.fraRefreshTop, r.fraFilterTop, S::fraRefresh_Top);
        break;
    case FrameArrangement::TwoRows: {
        const float ct = wholeClientTop(in.tabStripClientTop, S::fraFilter_Left);
        r.spacing =
            spacing(r.tabStripHeight - ct - in.fraFilterHeight - in.fraOrganiseHeight, 3, S::fraFilter_Left);
        assignPosition(r.fraFilterLeft, in.fraOrganiseLeft + in.fraOrganiseWidth + 60, S::fraFilter_Left);
        assignPosition(r.fraFilterTop, r.fraOrganiseTop, S::fraFilter_Top);
        assignPosition(r.fraRefreshLeft, in.fraOrganiseLeft, S::fraRefresh_Left);
        assignPosition(r.fraRefreshTop, r.fraOrganiseTop + in.fraOrganiseHeight + r.spacing,
                       S::fraRefresh_Top);
        break;
    }
    }
    // The paging frame always sits directly against the refresh frame.
    assignPosition(r.fraPageLeft, r.fraRefreshLeft + in.fraRefreshWidth, S::fraPage_Left);
    assignPosition(r.fraPageTop, r.fraRefreshTop, S::fraPage_Top);
}

} // namespace

LayoutResult layoutControl(const LayoutInput& in) {
    using S = LayoutStep;
    LayoutResult r;
    try {
        assignPosition(r.tabStripTop, 4.0f, S::TabStrip_Top);
        assignSize(r.tabStripWidth, in.controlWidth - in.tabStripLeft, S::TabStrip_Width);
        assignSize(r.tabStripHeight, in.controlHeight - r.tabStripTop, S::TabStrip_Height);
        assignPosition(r.cmdRefreshTop, r.tabStripTop + r.tabStripHeight - in.cmdRefreshHeight,
                       S::cmdRefresh_Top);
        // The list frame lines up with where the organise frame stood before this resize moves it.
        assignPosition(r.fraRWLViewTop, in.fraOrganiseTop, S::fraRWLView_Top);
        assignSize(r.fraRWLViewHeight, r.tabStripHeight - 500, S::fraRWLView_Height);
        assignSize(r.fraRWLViewWidth, r.tabStripWidth - 240, S::fraRWLView_Width);
        placeFrames(in, r);
        r.listElement = listElementForTab(in.selectedTab);
    } catch (const Stopped<S>& stopped) {
        r.stop = {stopped.at, stopped.error};
    }
    return r;
}

int32_t listElementForTab(int32_t tabIndex) {
    return tabIndex >= 2 ? tabIndex - 1 : 0;
}

ListElementLayout layoutListElement(float fraRWLViewWidth, float fraRWLViewHeight) {
    using S = ListElementStep;
    ListElementLayout r;
    try {
        assignPosition(r.top, 150.0f, S::Top);
        assignPosition(r.left, 50.0f, S::Left);
        assignSize(r.height, fraRWLViewHeight - 200, S::Height);
        assignSize(r.width, fraRWLViewWidth - 80, S::Width);
    } catch (const Stopped<S>& stopped) {
        r.stop = {stopped.at, stopped.error};
    }
    return r;
}

int32_t minimumPixels(int32_t standardPixels, float twipsPerPixel) {
    // Below the standard density (or for a scale nobody can use) the standard minimum stands.
    if (!(twipsPerPixel > 0.0F) || twipsPerPixel >= StandardTwipsPerPixel) {
        return standardPixels;
    }
    const double twips = static_cast<double>(standardPixels) * StandardTwipsPerPixel;
    return static_cast<int32_t>(std::ceil(twips / static_cast<double>(twipsPerPixel)));
}

ResizeLayoutResult resizeLayout(int32_t x, int32_t y, float twipsPerPixelX, float twipsPerPixelY) {
    ResizeLayoutResult r;
    if (!(y >= 1 && x > 0)) {
        return r;
    }
    r.acts = true;
    r.x = std::max(x, minimumPixels(MinimumWidthPixels, twipsPerPixelX));
    r.y = std::max(y, minimumPixels(MinimumHeightPixels, twipsPerPixelY));
    try {
        assignSize(r.width, static_cast<float>(r.x) * twipsPerPixelX, ResizeStep::Width);
        assignSize(r.height, static_cast<float>(r.y) * twipsPerPixelY, ResizeStep::Height);
    } catch (const Stopped<ResizeStep>& stopped) {
        r.stop = {stopped.at, stopped.error};
    }
    return r;
}

int32_t barHeight(std::optional<double> hostBarHeight) {
    if (!hostBarHeight) {
        return DefaultBarHeight;
    }
    return convert::roundToLong(*hostBarHeight);
}

} // namespace kv380
