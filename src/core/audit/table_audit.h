#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

// What the table checker finds; the order is the order of the report.
enum class FindingKind {
    Contrast,        // text colour on its background below the ratio text needs
    NoHeaders,       // a data table without header rows or columns
    NoCaption,       // a data table without a caption
    TitleRow,        // a first row that is one cell over every column
    EmptyHeader,     // header cells without text
    ObsoleteMarkup,  // font, center, bgcolor= ... typed into cells of a Standard table
    ClassicStyle,    // the Classic style on a table meant for the web
};

struct CellRef {
    int row = 0;
    int col = 0;
    bool operator==(const CellRef&) const = default;
};

struct Finding {
    FindingKind kind = FindingKind::Contrast;
    std::vector<CellRef> cells;  // anchors, in row order; empty for the table as a whole
    std::string figure;          // what was measured, e.g. "2.85:1, needs 4.5:1"
    bool fixable = false;        // FixFinding has a repair for it
    // Contrast only: the colours measured and the ratio the text needs.
    std::int32_t textColour = 0;
    std::int32_t bgColour = 0;
    double needed = 0;
};

// Every finding on the table, contrast first; nothing for a table CheckTable
// refuses.
std::vector<Finding> AuditTable(const TableSpec& table);

// "contrast", "no-headers", ... : the kind as the command line prints it.
std::string KindName(FindingKind kind);
// "Text contrast", "No header cells", ... : the kind as the window shows it.
std::string KindCaption(FindingKind kind);
// "R2C1 R2C3", or "table" when the finding names no cell.
std::string CellList(const Finding& finding);

// The text a cell shows: markup and &nbsp; dropped, lines joined by a blank,
// blanks collapsed and trimmed, the five basic character references read.
std::string VisibleText(const std::string& content);

// The font size the text of a cell is shown in, 1..7: strFontSize read as
// an absolute size or, with a sign, relative to 3; 3 when empty.
int EffectiveFontSize(const std::string& fontSize);

// True when (row, col) lies in the header rows or header columns.
bool IsHeaderCell(const TableSpec& table, int row, int col);

}  // namespace tabloom
