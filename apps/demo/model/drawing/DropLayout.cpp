#include "model/drawing/DropLayout.h"

#include "platform/AutomationError.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kv380::demo {

namespace {

constexpr int64_t LeftmostX = CellWidth / 2;
constexpr int64_t RightmostX = SheetWidth - CellWidth / 2;
constexpr int64_t TopmostY = PictureCentreInCell;
constexpr int64_t LowestY = SheetHeight - (CellHeight - PictureCentreInCell);

struct Spot {
    int64_t x;
    int64_t y;
};

bool overlapsAny(Spot spot, const std::vector<DrawingPoint>& taken) {
    return std::any_of(taken.begin(), taken.end(), [&](DrawingPoint cell) {
        return std::llabs(spot.x - cell.x) < CellWidth && std::llabs(spot.y - cell.y) < CellHeight;
    });
}

// One cell to the right, or the start of the next row at the sheet's right edge.
Spot nextCell(Spot spot) {
    if (spot.x + CellWidth > RightmostX) {
        return {LeftmostX, spot.y + CellHeight};
    }
    return {spot.x + CellWidth, spot.y};
}

DrawingPoint toPoint(Spot spot) {
    if (spot.y > std::numeric_limits<int32_t>::max()) {
        raise(err::Overflow);
    }
    return {static_cast<int32_t>(spot.x), static_cast<int32_t>(spot.y)};
}

} // namespace

bool cellsOverlap(DrawingPoint a, DrawingPoint b) {
    return overlapsAny({a.x, a.y}, {b});
}

std::vector<DrawingPoint> dropPositions(DrawingPoint at, std::size_t count, std::vector<DrawingPoint> taken) {
    std::vector<DrawingPoint> positions;
    positions.reserve(count);
    Spot spot{std::clamp<int64_t>(at.x, LeftmostX, RightmostX), std::clamp<int64_t>(at.y, TopmostY, LowestY)};
    for (std::size_t i = 0; i < count; ++i) {
        while (overlapsAny(spot, taken)) {
            spot = nextCell(spot);
        }
        const DrawingPoint placed = toPoint(spot);
        positions.push_back(placed);
        taken.push_back(placed);
        spot = nextCell(spot);
    }
    return positions;
}

} // namespace kv380::demo
