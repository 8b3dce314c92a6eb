#include "core/audit/audit_fixes.h"

#include <algorithm>

#include "core/audit/contrast.h"
#include "core/grid/row_column_edit.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

// Keeps at most intMaxCaptionLength code points, never cutting one apart.
std::string CutToCaptionLength(const std::string& text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && ++count > intMaxCaptionLength) return text.substr(0, i);
    }
    return text;
}

void MoveTitleIntoCaption(TableSpec& table) {
    const std::string title = VisibleText(table.At(1, 1).strContent);
    const std::string old = TrimBlanks(table.strCaption);
    table.strCaption = CutToCaptionLength(old.empty() || old == title ? title : title + ". " + old);
    // A title counted as a header row hands that role to the row after it.
    const std::int16_t headerRows = table.intHeaderRows;
    DeleteRow(table, 1);
    table.intHeaderRows = static_cast<std::int16_t>(
        headerRows == 0 ? 0 : std::min<int>(std::max(1, headerRows - 1), table.intNumRows));
}

void FixContrast(TableSpec& table, const Finding& finding) {
    const std::int32_t colour =
        NearestTextColour(finding.textColour, finding.bgColour, finding.needed);
    for (const CellRef& ref : finding.cells) {
        CellSpec& cell = table.At(ref.row, ref.col);
        if (cell.lngTextColor == NotSpecifiedColor && cell.lngBgColor == NotSpecifiedColor) {
            // The cell shows the table's colours: mending them mends every such cell.
            table.lngTableTextColor = colour;
            continue;
        }
        // Own colours come in pairs: the grid draws a cell by its own text
        // colour on its own background.
        if (cell.lngBgColor == NotSpecifiedColor) cell.lngBgColor = finding.bgColour;
        cell.lngTextColor = colour;
    }
}

// True when checking table now finds this finding: a repair made for an
// older state of the table could delete the wrong row.
bool StillFound(const TableSpec& table, const Finding& finding) {
    for (const Finding& f : AuditTable(table)) {
        if (f.kind == finding.kind && f.cells == finding.cells && f.fixable) return true;
    }
    return false;
}

// The order Fix all mends in: a title row first, since it moves every row.
int Priority(FindingKind kind) {
    switch (kind) {
        case FindingKind::TitleRow:
            return 0;
        case FindingKind::NoCaption:
            return 1;
        case FindingKind::NoHeaders:
            return 2;
        case FindingKind::ClassicStyle:
            return 3;
        default:
            return 4;
    }
}

}  // namespace

TableSpec FixFinding(const TableSpec& table, const Finding& finding) {
    TableSpec fixed = table;
    if (!finding.fixable || !StillFound(table, finding)) return fixed;
    switch (finding.kind) {
        case FindingKind::NoHeaders:
            // The finding names the row after a title row: the title goes first.
            if (!finding.cells.empty() && finding.cells[0].row == 2) MoveTitleIntoCaption(fixed);
            fixed.intHeaderRows = 1;
            break;
        case FindingKind::TitleRow:
        case FindingKind::NoCaption:
            MoveTitleIntoCaption(fixed);
            break;
        case FindingKind::Contrast:
            FixContrast(fixed, finding);
            break;
        case FindingKind::ClassicStyle:
            fixed.outputStyle = OutputStyle::Standard;
            break;
        default:
            break;
    }
    return fixed;
}

std::string FixCaption(const Finding& finding) {
    if (!finding.fixable) return {};
    switch (finding.kind) {
        case FindingKind::NoHeaders:
            return !finding.cells.empty() && finding.cells[0].row == 2
                       ? "Move the title row into the caption and make row 2 the header row"
                       : "Make row 1 the header row";
        case FindingKind::TitleRow:
        case FindingKind::NoCaption:
            return "Move the title row into the caption";
        case FindingKind::Contrast:
            return "Give the text the nearest colour of its hue that reaches " +
                   std::string(finding.needed == kLargeTextRatio ? "3:1" : "4.5:1");
        case FindingKind::ClassicStyle:
            return "Switch to the Standard style";
        default:
            return {};
    }
}

TableSpec FixAll(const TableSpec& table) {
    TableSpec fixed = table;
    // Every repair removes its finding for good, so this ends; the bound
    // only guards against a repair that does not.
    for (int round = 0; round < 2 * intMaxRows * intMaxCols; ++round) {
        const std::vector<Finding> findings = AuditTable(fixed);
        const Finding* next = nullptr;
        for (const Finding& finding : findings) {
            if (finding.fixable &&
                (next == nullptr || Priority(finding.kind) < Priority(next->kind))) {
                next = &finding;
            }
        }
        if (next == nullptr) break;
        TableSpec after = FixFinding(fixed, *next);
        if (after.SameSpec(fixed)) break;
        fixed = std::move(after);
    }
    return fixed;
}

}  // namespace tabloom
