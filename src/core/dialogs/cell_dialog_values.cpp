#include "core/dialogs/cell_dialog_values.h"

#include "core/dialogs/cell_checks.h"
#include "core/grid/span_rules.h"
#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

std::string SizeText(std::int16_t value) { return value == -1 ? "" : NumOf(value); }

std::int16_t SizeValue(const std::string& text) {
    return text.empty() ? std::int16_t{-1} : RoundToInt16(LeadingNumber(text));
}

}  // namespace

CellDialogValues CellDialogValuesFor(const TableSpec& table, int row, int col) {
    const CellSpec& cell = table.At(row, col);
    CellDialogValues v;
    v.rowSpanItems = table.intNumRows - row + 1;
    v.colSpanItems = table.intNumCols - col + 1;
    v.rowSpanIndex = cell.intRowSpan - 1;
    v.colSpanIndex = cell.intColSpan - 1;
    v.textColour = cell.lngTextColor;
    v.bgColour = cell.lngBgColor;
    v.useCellColours = cell.lngTextColor != NotSpecifiedColor;
    if (!IsPlaceMarker(table, row, col)) v.content = cell.strContent;
    v.align = cell.intAlign;
    v.valign = cell.intVAlign;
    v.width = SizeText(cell.intWidth);
    v.percent = cell.intWidthUnit == 0;
    v.height = SizeText(cell.intHeight);
    v.fontFace = cell.strFontFace;
    v.fontSize = cell.strFontSize;
    return v;
}

CellAcceptResult CheckCellAccept(const TableSpec& table, int row, int col,
                                 CellDialogValues& values) {
    CellAcceptResult result;
    values.content = TrimBlanks(values.content);
    values.width = TrimBlanks(values.width);
    values.height = TrimBlanks(values.height);

    result.message = CheckCellWidth(values.width, values.percent);
    if (result.message.empty()) result.message = CheckCellHeight(values.height);
    if (!result.message.empty()) return result;

    result.spansSet = true;
    result.newRowSpan = static_cast<std::int16_t>(values.rowSpanIndex + 1);
    result.newColSpan = static_cast<std::int16_t>(values.colSpanIndex + 1);
    if (!CellSizeOK(table, row, col, result.newRowSpan, result.newColSpan, result.overlapRow,
                    result.overlapCol)) {
        result.overlapFound = true;
        result.message = OverlapMessage(result.overlapRow, result.overlapCol);
        return result;
    }

    values.fontSize = TrimBlanks(values.fontSize);
    result.message = CheckFontSize(values.fontSize);
    if (!result.message.empty()) return result;

    values.fontFace = CleanFontFace(values.fontFace);
    if (!values.useCellColours) {
        values.textColour = NotSpecifiedColor;
        values.bgColour = NotSpecifiedColor;
    }
    return result;
}

void StoreCellValues(TableSpec& table, int row, int col, const CellDialogValues& values,
                     int newRowSpan, int newColSpan) {
    ApplySpans(table, row, col, newRowSpan, newColSpan);
    CellSpec& cell = table.At(row, col);
    cell.lngTextColor = values.textColour;
    cell.lngBgColor = values.bgColour;
    cell.strContent = TrimBlanks(values.content);
    if (cell.strContent.empty() && table.blnAddPlaceMarkers) {
        cell.strContent = MakePlaceMarker(row, col);
    }
    cell.intAlign = static_cast<std::int16_t>(values.align);
    cell.intVAlign = static_cast<std::int16_t>(values.valign);
    cell.intWidth = SizeValue(values.width);
    cell.intWidthUnit = values.percent ? 0 : 1;
    cell.intHeight = SizeValue(values.height);
    cell.intHeightUnit = 1;
    cell.strFontFace = values.fontFace;
    cell.strFontSize = values.fontSize;
}

}  // namespace tabloom
