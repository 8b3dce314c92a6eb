#include "core/grid/grid_hit_test.h"

namespace tabloom {

bool GridHitTest(const TableSpec& table, double x, double y, std::int16_t& row, std::int16_t& col) {
    for (int i = 1; i <= table.intNumRows; ++i) {
        for (int j = 1; j <= table.intNumCols; ++j) {
            const CellSpec& cell = table.At(i, j);
            if (cell.intRowSpan <= 0 || cell.intColSpan <= 0) continue;
            if (cell.intLeft <= x && x <= cell.intRight && cell.intTop <= y &&
                y <= cell.intBottom) {
                row = static_cast<std::int16_t>(i);
                col = static_cast<std::int16_t>(j);
                return true;
            }
        }
    }
    return false;
}

}  // namespace tabloom
