#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kv380::demo {

// A point of a drawing, in drawing units (a pixel at 100 %).
struct DrawingPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const DrawingPoint&) const = default;
};

// The sheet of a drawing, and the room one placed symbol takes on it: its picture centred at the top of the
// cell, its tag under the picture. Cells that do not overlap keep pictures and tags apart.
inline constexpr int32_t SheetWidth = 1600;
inline constexpr int32_t SheetHeight = 1000;
inline constexpr int32_t CellWidth = 104;
inline constexpr int32_t CellHeight = 88;
// Where the picture's centre lies below the top of its cell.
inline constexpr int32_t PictureCentreInCell = 28;

// Whether symbols centred at a and b would overlap.
bool cellsOverlap(DrawingPoint a, DrawingPoint b);

// Where `count` symbols dropped at `at` go, in order: the first at `at` (kept on the sheet), each next one a
// cell to the right of the one before, and any of them further right, past every cell already taken
// (`taken`: the centres of the symbols on the drawing). A row that reaches the sheet's right edge goes on at
// the left edge one cell lower. A position beyond 32-bit drawing units is error 6.
std::vector<DrawingPoint> dropPositions(DrawingPoint at, std::size_t count, std::vector<DrawingPoint> taken);

} // namespace kv380::demo
