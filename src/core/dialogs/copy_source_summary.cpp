#include "core/dialogs/copy_source_summary.h"

#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

std::string Labelled(const std::string& caption, const char* word) {
    return std::string(word) == " " ? std::string() : caption + word;
}

const char* NameAt(const auto& names, int index) {
    return index >= 0 && index < static_cast<int>(names.size()) ? names[index] : " ";
}

bool Anchor(const TableSpec& table, int row, int col) { return table.At(row, col).intRowSpan >= 1; }

}  // namespace

std::string SizeSummary(const std::string& caption, int size, int unit) {
    if (size == -1) return {};
    if (size <= 0) return caption;
    return caption + StringOf(size) + (unit != 0 ? " pixels" : "%");
}

CopySourceSummary SummarizeCopySource(const TableSpec& table, int row, int col) {
    const CellSpec& cell = table.At(row, col);
    CopySourceSummary s;
    s.ofCellAt = "of cell at row" + StringOf(row) + " column" + StringOf(col);
    s.rowOption = "to all cells in row" + StringOf(row);
    s.columnOption = "to all cells in column" + StringOf(col);

    s.content = IsPlaceMarker(table, row, col) ? std::string() : cell.strContent;
    s.contentEnabled = !s.content.empty();
    if (s.content.empty()) s.content = "No cell content specified.";
    if (cell.lngTextColor != NotSpecifiedColor) {
        s.textColor = cell.lngTextColor;
        // The cell window sets both colours together; a file may not.
        s.bgColor = cell.lngBgColor != NotSpecifiedColor ? cell.lngBgColor : table.lngTableBgColor;
    } else {
        s.textColor = table.lngTableTextColor;
        s.bgColor = table.lngTableBgColor;
    }

    s.align = Labelled("Align = ", NameAt(strAlignName, cell.intAlign));
    s.valign = Labelled("VAlign = ", NameAt(strVAlignName, cell.intVAlign));
    s.width = SizeSummary("Width =", cell.intWidth, cell.intWidthUnit);
    s.height = SizeSummary("Height =", cell.intHeight, cell.intHeightUnit);

    s.fontFace = cell.strFontFace;
    s.fontSize = cell.strFontSize;
    s.fontFaceEnabled = !s.fontFace.empty();
    if (s.fontFace.empty()) {
        s.fontFace =
            s.fontSize.empty() ? "No font face or font size specified." : "No font face specified.";
    }

    if (col >= table.intNumCols) {
        if (row < table.intNumRows && Anchor(table, row + 1, col)) {
            s.toRow = row + 1;
            s.toCol = col;
        }
    } else if (Anchor(table, row, col + 1)) {
        s.toRow = row;
        s.toCol = col + 1;
    }
    s.numRows = table.intNumRows;
    s.numCols = table.intNumCols;
    return s;
}

}  // namespace tabloom
