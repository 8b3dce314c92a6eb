#include "core/dialogs/copy_choice_check.h"

namespace tabloom {

std::string CheckCopyChoice(const CopyChoice& choice, int srcRow, int srcCol, int numRows,
                            int numCols) {
    if (!choice.font && !choice.content && !choice.colors && !choice.alignment && !choice.width) {
        return "At least one of font, content, colors,\r\nalignment and width must be checked.";
    }
    if (choice.target == CopyTarget::OneCell && choice.toRow == srcRow && choice.toCol == srcCol) {
        return "Cell is being copied to itself.";
    }
    if (choice.target == CopyTarget::OneCell &&
        (choice.toRow > numRows || choice.toCol > numCols)) {
        return "The cell at row " + std::to_string(choice.toRow) + " column " +
               std::to_string(choice.toCol) + " lies outside the table, which has " +
               std::to_string(numRows) + " rows and " + std::to_string(numCols) + " columns.";
    }
    return {};
}

bool CopyTargetChosen(const CopyChoice& choice) {
    return choice.target != CopyTarget::OneCell || (choice.toRow > 0 && choice.toCol > 0);
}

}  // namespace tabloom
