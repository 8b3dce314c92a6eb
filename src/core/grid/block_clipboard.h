#pragma once

#include <string>

#include "core/grid/cell_block.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The block as tab-separated values, one line a row, as spreadsheets paste
// it: a covered position gives an empty field, a field holding a tab, a line
// break or a quote is quoted (quotes doubled). Place markers give empty fields.
std::string BlockAsTabText(const TableSpec& table, const CellBlock& block);

// The block as an HTML table with its spans, header cells, alignment and
// colours in CSS, for rich-text editors and spreadsheets; contents are
// copied as typed, line breaks as <br>.
std::string BlockAsHtml(const TableSpec& table, const CellBlock& block);

}  // namespace tabloom
