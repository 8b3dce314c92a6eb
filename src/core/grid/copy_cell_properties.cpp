#include "core/grid/copy_cell_properties.h"

#include <algorithm>

#include "core/model/place_markers.h"

namespace tabloom {

void CopyCellProperties(TableSpec& table, int srcRow, int srcCol, const CopyChoice& choice) {
    if (srcRow < 1 || srcCol < 1 || srcRow > table.intNumRows || srcCol > table.intNumCols) return;
    // Read before any target changes: the source may lie in the range.
    const CellSpec source = table.At(srcRow, srcCol);
    const bool sourceHasColors = source.lngTextColor != NotSpecifiedColor;
    const bool toTable = choice.target == CopyTarget::Table;
    if (toTable && choice.colors && sourceHasColors) {
        table.lngTableTextColor = source.lngTextColor;
        table.lngTableBgColor = source.lngBgColor;
    }

    int firstRow = 1, lastRow = table.intNumRows, firstCol = 1, lastCol = table.intNumCols;
    switch (choice.target) {
        case CopyTarget::OneCell:
            if (choice.toRow < 1 || choice.toCol < 1 || choice.toRow > table.intNumRows ||
                choice.toCol > table.intNumCols) {
                return;
            }
            firstRow = lastRow = choice.toRow;
            firstCol = lastCol = choice.toCol;
            break;
        case CopyTarget::Row:
            firstRow = lastRow = srcRow;
            break;
        case CopyTarget::Column:
            firstCol = lastCol = srcCol;
            break;
        case CopyTarget::Table:
            break;
        case CopyTarget::Block:
            firstRow = std::max(choice.block.top, 1);
            lastRow = std::min<int>(choice.block.bottom, table.intNumRows);
            firstCol = std::max(choice.block.left, 1);
            lastCol = std::min<int>(choice.block.right, table.intNumCols);
            break;
    }

    const bool copyContent = choice.content && !IsPlaceMarker(table, srcRow, srcCol);
    for (int i = firstRow; i <= lastRow; ++i) {
        for (int j = firstCol; j <= lastCol; ++j) {
            CellSpec& target = table.At(i, j);
            if (target.intRowSpan < 1) continue;
            if (choice.font) {
                target.strFontFace = source.strFontFace;
                target.strFontSize = source.strFontSize;
            }
            if (copyContent) target.strContent = source.strContent;
            if (choice.alignment) {
                target.intAlign = source.intAlign;
                target.intVAlign = source.intVAlign;
            }
            if (choice.width) {
                target.intWidth = source.intWidth;
                target.intWidthUnit = source.intWidthUnit;
            }
            if (choice.height) {
                target.intHeight = source.intHeight;
                target.intHeightUnit = source.intHeightUnit;
            }
            if (choice.colors) {
                target.lngTextColor = toTable ? NotSpecifiedColor : source.lngTextColor;
                target.lngBgColor = toTable ? NotSpecifiedColor : source.lngBgColor;
            }
        }
    }
}

}  // namespace tabloom
