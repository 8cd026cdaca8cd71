#pragma once

#include "platform/Export.h"

namespace kv380::ui {

// A rectangle in whole pixels.
struct KV380_API PixelRect {
    int left{0};
    int top{0};
    int width{0};
    int height{0};

    bool operator==(const PixelRect&) const = default;
};

// One coordinate in twips to pixels, rounded to the nearest pixel (halves away from zero). Twips per pixel
// must be above 0; else 5.
KV380_API int twipsToPixels(float twips, float twipsPerPixel);
KV380_API float pixelsToTwips(int pixels, float twipsPerPixel);

// A control's rectangle in pixels, converted edge by edge: the left and right edges are rounded, then the
// width is their difference. Controls that touch in twips thus touch on screen, whatever the rounding.
KV380_API PixelRect toPixels(float left, float top, float width, float height, float twipsPerPixelX,
                             float twipsPerPixelY);

} // namespace kv380::ui
