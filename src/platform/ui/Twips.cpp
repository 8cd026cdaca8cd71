#include "platform/ui/Twips.h"

#include "platform/AutomationError.h"

#include <cmath>
#include <limits>

namespace kv380::ui {

int twipsToPixels(float twips, float twipsPerPixel) {
    if (!(twipsPerPixel > 0) || !std::isfinite(twipsPerPixel)) {
        raise(err::InvalidProcedureCall);
    }
    const double pixels = std::round(static_cast<double>(twips) / twipsPerPixel);
    if (!std::isfinite(pixels) || pixels > std::numeric_limits<int>::max() ||
        pixels < std::numeric_limits<int>::min()) {
        raise(err::Overflow);
    }
    return static_cast<int>(pixels);
}

float pixelsToTwips(int pixels, float twipsPerPixel) {
    if (!(twipsPerPixel > 0) || !std::isfinite(twipsPerPixel)) {
        raise(err::InvalidProcedureCall);
    }
    return static_cast<float>(pixels) * twipsPerPixel;
}

PixelRect toPixels(float left, float top, float width, float height, float twipsPerPixelX,
                   float twipsPerPixelY) {
    PixelRect r;
    r.left = twipsToPixels(left, twipsPerPixelX);
    r.top = twipsToPixels(top, twipsPerPixelY);
    r.width = twipsToPixels(left + width, twipsPerPixelX) - r.left;
    r.height = twipsToPixels(top + height, twipsPerPixelY) - r.top;
    return r;
}

} // namespace kv380::ui
