#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

// What a cell of the table is to a reader: a data cell, or a header cell
// and the cells it names.
enum class HeaderScope : std::uint8_t { None, Col, Row, ColGroup, RowGroup };

// Consecutive rows written as one thead (head) or tbody.
struct RowSection {
    bool head = false;
    int first = 1;
    int last = 1;
};

// The header cells of a table and the column and row groups they rely on.
// Header rows make column headers, header columns row headers; a header
// cell whose span covers a whole group of columns (rows) names that group.
struct HeaderStructure {
    // The scope of each anchor, indexed [row][col]; covered positions None.
    std::array<std::array<HeaderScope, intMaxCols + 1>, intMaxRows + 1> scope{};
    // Column counts of the colgroup elements; empty when no header spans
    // columns.
    std::vector<int> colGroupSpans;
    // Rows 1..intNumRows in order: the header rows as head when no span
    // crosses their end, then the body rows, split where a row header spans.
    std::vector<RowSection> sections;
    // True when a rowgroup scope needs the sections written out.
    bool rowGroups = false;
};

HeaderStructure FindHeaderStructure(const TableSpec& table);

// "col", "row", "colgroup", "rowgroup"; nullptr for a data cell.
const char* ScopeName(HeaderScope scope);

// Appends "<td" or "<th scope=\"...\"", the tag left open for its attributes.
void AppendCellTagStart(std::string& out, HeaderScope scope);

}  // namespace tabloom
