#include "qt/TwipsScale.h"

#include "platform/ui/Control.h"
#include "platform/ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace kv380::qt {

namespace {

constexpr float kTwipsPerInch = 1440.0F;
// Far beyond any screen, far inside int: a control parked at an absurd position still renders.
constexpr float kPixelLimit = 1.0e7F;

float clampTwips(float twips, float twipsPerPixel) {
    if (!std::isfinite(twips)) {
        return 0.0F;
    }
    const float limit = kPixelLimit * twipsPerPixel;
    return std::clamp(twips, -limit, limit);
}

float perPixel(qreal dpi) {
    return dpi > 0 ? kTwipsPerInch / static_cast<float>(dpi) : 15.0F;
}

} // namespace

TwipsScale TwipsScale::ofScreen() {
    TwipsScale scale;
    if (QGuiApplication::instance() == nullptr) {
        return scale;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        scale.x = perPixel(screen->logicalDotsPerInchX());
        scale.y = perPixel(screen->logicalDotsPerInchY());
    }
    return scale;
}

QPointF TwipsScale::originOf(const ui::Control* container) const {
    if (container == nullptr || container->Container() == nullptr) {
        return {0, 0};
    }
    const QPointF outer = originOf(container->Container());
    return {clampTwips(static_cast<float>(outer.x()) + container->Left(), x),
            clampTwips(static_cast<float>(outer.y()) + container->Top(), y)};
}

QRect TwipsScale::rectOf(const ui::Control& control) const {
    const QPointF origin = originOf(control.Container());
    const auto ox = static_cast<float>(origin.x());
    const auto oy = static_cast<float>(origin.y());
    const float left = clampTwips(ox + control.Left(), x);
    const float top = clampTwips(oy + control.Top(), y);
    const float width = clampTwips(control.Width(), x);
    const float height = clampTwips(control.Height(), y);
    const ui::PixelRect r = ui::toPixels(left, top, width, height, x, y);
    return QRect(r.left - toPixelsX(ox), r.top - toPixelsY(oy), std::max(0, r.width), std::max(0, r.height));
}

int TwipsScale::toPixelsX(float twips) const {
    return ui::twipsToPixels(clampTwips(twips, x), x);
}

int TwipsScale::toPixelsY(float twips) const {
    return ui::twipsToPixels(clampTwips(twips, y), y);
}

float TwipsScale::toTwipsX(int pixels) const {
    return ui::pixelsToTwips(pixels, x);
}

float TwipsScale::toTwipsY(int pixels) const {
    return ui::pixelsToTwips(pixels, y);
}

} // namespace kv380::qt
