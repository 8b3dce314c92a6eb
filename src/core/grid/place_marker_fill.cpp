#include "core/grid/place_marker_fill.h"

#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

bool FillPlaceMarkers(TableSpec& table, bool on) {
    bool changed = false;
    for (int i = 1; i <= table.intNumRows; ++i) {
        for (int j = 1; j <= table.intNumCols; ++j) {
            CellSpec& cell = table.At(i, j);
            if (cell.intRowSpan <= 0) continue;
            if (on) {
                if (TrimBlanks(cell.strContent).empty()) {
                    cell.strContent = MakePlaceMarker(i, j);
                    changed = true;
                }
            } else if (IsPlaceMarker(table, i, j)) {
                cell.strContent.clear();
                changed = true;
            }
        }
    }
    return changed;
}

}  // namespace tabloom
