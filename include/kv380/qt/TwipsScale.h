#pragma once

#include "qt/QtExport.h"

#include <QPointF>
#include <QRect>

namespace kv380::ui {
class Control;
}

namespace kv380::qt {

// Twips per pixel of the screen (1440 / logical DPI), one value per axis; 15 when no screen is known.
struct KV380_QT_API TwipsScale {
    float x{15.0F};
    float y{15.0F};

    // The primary screen's scale: the desktop answers it and the renderer draws with it.
    static TwipsScale ofScreen();

    // A control's rectangle in its container, converted edge by edge so that controls that touch in twips
    // touch on screen. The edges are rounded where they lie in the top level, so a control that fills its
    // container fills it on screen too, whatever the container's position rounds to. Coordinates far
    // outside any screen are clamped rather than failing.
    QRect rectOf(const ui::Control& control) const;
    // Where a container's inside begins in its top level, in twips (0, 0 for the top level itself).
    QPointF originOf(const ui::Control* container) const;
    int toPixelsX(float twips) const;
    int toPixelsY(float twips) const;
    float toTwipsX(int pixels) const;
    float toTwipsY(int pixels) const;
};

} // namespace kv380::qt
