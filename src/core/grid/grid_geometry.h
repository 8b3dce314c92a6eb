#pragma once

#include <cstdint>

namespace tabloom {

// The pixel geometry of the last grid drawing. The margins never change; the
// rest is computed by every full redraw.
struct GridGeometry {
    std::int16_t intTopMargin = 14;
    std::int16_t intLeftMargin = 6;
    std::int16_t intCellWidth = 0;
    std::int16_t intCellHeight = 0;
    std::int16_t intGridRight = 0;
    std::int16_t intGridBottom = 0;
};

// A cell's rectangle, both corners included.
struct CellRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

}  // namespace tabloom
