#pragma once

#include "core/grid/cell_block.h"
#include "core/model/table_spec.h"

namespace tabloom {

enum class CopyTarget { OneCell, Row, Column, Table, Block };

struct CopyChoice {
    CopyTarget target = CopyTarget::OneCell;
    int toRow = 0;  // 0 = no selection
    int toCol = 0;
    CellBlock block;  // the selected cells, for CopyTarget::Block
    bool font = false, content = false, alignment = false, width = false, height = false,
         colors = false;
};

// Copies the chosen properties of the cell at (srcRow, srcCol) to the target
// anchors (covered positions are skipped, spans and owners never copied). A
// place marker is never copied as content. Copying colours to the whole table
// makes the source's colours the table colours and clears every cell's own.
void CopyCellProperties(TableSpec& table, int srcRow, int srcCol, const CopyChoice& choice);

}  // namespace tabloom
