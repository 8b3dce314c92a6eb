#pragma once

#include <cstdint>
#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// The copy window's read-only description of its source cell and the target
// it proposes.
struct CopySourceSummary {
    std::string ofCellAt;
    std::string rowOption;
    std::string columnOption;
    // The content box: the text, whether it is enabled, and its colours.
    std::string content;
    bool contentEnabled = false;
    std::int32_t textColor = 0;
    std::int32_t bgColor = 0;
    std::string align;
    std::string valign;
    std::string width;
    std::string height;
    // The font boxes; the face box carries a notice when it has no face.
    std::string fontFace;
    std::string fontSize;
    bool fontFaceEnabled = false;
    // The proposed single target; 0 when none is proposed.
    int toRow = 0;
    int toCol = 0;
    // The table's dimensions: a single target must lie within them.
    int numRows = 0;
    int numCols = 0;
};

// Describes the cell at (row, col) of the table's current dimensions.
CopySourceSummary SummarizeCopySource(const TableSpec& table, int row, int col);

// "Width = 50%", "Height = 40 pixels"; empty for -1, the bare caption for a
// size below 1.
std::string SizeSummary(const std::string& caption, int size, int unit);

}  // namespace tabloom
