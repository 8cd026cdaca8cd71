#pragma once

#include <cstdint>

namespace kv380::demo {

// What shows a dialog bar on screen. The main window backs each bar with a dock widget; tests and a host
// without a window use MemoryBarSurface.
class BarSurface {
public:
    virtual ~BarSurface() = default;

    // Whether the bar is shown (for a dock: its toggle action is checked, even when it is tabbed behind
    // another dock).
    virtual bool shown() const = 0;
    // Shows or hides the bar.
    virtual void setShown(bool shown) = 0;
    // The bar's height, in the unit the surface measures (pixels for a dock).
    virtual int32_t height() const = 0;
};

// A bar surface in memory: shown, 140 high, until told otherwise.
class MemoryBarSurface : public BarSurface {
public:
    bool shown() const override { return m_shown; }
    void setShown(bool shown) override { m_shown = shown; }
    int32_t height() const override { return m_height; }
    void setHeight(int32_t height) { m_height = height; }

private:
    bool m_shown = true;
    int32_t m_height = 140;
};

} // namespace kv380::demo
