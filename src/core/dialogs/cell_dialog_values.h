#pragma once

#include <cstdint>
#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// The values of the cell dialog's controls, as the opener fills them and as
// Accept checks and the storing step reads them. Texts are UTF-8; content
// lines are separated by CR LF.
struct CellDialogValues {
    int rowSpanItems = 1;  // the span lists offer 1..items
    int colSpanItems = 1;
    int rowSpanIndex = 0;  // selected index: span - 1
    int colSpanIndex = 0;
    std::string content;
    int align = 0;
    int valign = 0;
    std::string width;
    bool percent = false;
    std::string height;
    std::string fontFace;
    std::string fontSize;
    bool useCellColours = false;
    // The exchange colours of the edited cell.
    std::int32_t textColour = NotSpecifiedColor;
    std::int32_t bgColour = NotSpecifiedColor;
};

// The controls filled from the cell at (row, col): a place marker shows as
// empty content, a width or height of -1 as an empty box.
CellDialogValues CellDialogValuesFor(const TableSpec& table, int row, int col);

// What pressing Accept came to.
struct CellAcceptResult {
    std::string message;  // empty: accepted
    bool spansSet = false;
    std::int16_t newRowSpan = 0;
    std::int16_t newColSpan = 0;
    bool overlapFound = false;
    std::int16_t overlapRow = 0;
    std::int16_t overlapCol = 0;
};

// The Accept checks in their order, stopping at the first refusal. The boxes
// are trimmed (and the font face cleaned) in values as the steps reach them;
// on success the exchange colours are cleared when the colour box is not
// ticked.
CellAcceptResult CheckCellAccept(const TableSpec& table, int row, int col,
                                 CellDialogValues& values);

// Stores accepted values into the cell at (row, col): the spans first (which
// covers and releases positions), then the other fields.
void StoreCellValues(TableSpec& table, int row, int col, const CellDialogValues& values,
                     int newRowSpan, int newColSpan);

}  // namespace tabloom
