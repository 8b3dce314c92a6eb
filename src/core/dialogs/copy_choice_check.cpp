#include "core/dialogs/copy_choice_check.h"

namespace tabloom {

std::string CheckCopyChoice(const CopyChoice& choice, int srcRow, int srcCol) {
    if (!choice.font && !choice.content && !choice.colors && !choice.alignment && !choice.width) {
        return "At least one of font, content, colors,\r\nalignment and width must be checked.";
    }
    if (choice.target == CopyTarget::OneCell && choice.toRow == srcRow && choice.toCol == srcCol) {
        return "Cell is being copied to itself.";
    }
    return {};
}

bool CopyTargetChosen(const CopyChoice& choice) {
    return choice.target != CopyTarget::OneCell || (choice.toRow > 0 && choice.toCol > 0);
}

}  // namespace tabloom
