#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

// What the export formats share about a table: the lines of each cell and
// which properties the table uses.
struct CellText {
    // The lines of content (CR LF, lone CR or LF separated); a last empty
    // line is dropped as the HTML code drops it.
    static std::vector<std::string> Lines(std::string_view content);
    // Lines joined by separator.
    static std::string Joined(std::string_view content, std::string_view separator);
    // True for positions in the header rows or columns.
    static bool IsHeader(const TableSpec& table, int row, int col);
    // Anchors with a row or column span above 1.
    static int CountSpans(const TableSpec& table);
    // Anchors for which has(cell) holds.
    template <typename Pred>
    static int CountAnchors(const TableSpec& table, Pred has) {
        int n = 0;
        for (int r = 1; r <= table.intNumRows; ++r) {
            for (int c = 1; c <= table.intNumCols; ++c) {
                const CellSpec& cell = table.At(r, c);
                if (cell.intRowSpan >= 1 && has(cell)) ++n;
            }
        }
        return n;
    }
    static bool HasColours(const TableSpec& table);
    static bool HasSizes(const TableSpec& table);
    static bool HasFonts(const TableSpec& table);
    // "1 span" / "3 spans".
    static std::string Count(int n, const char* singular, const char* plural);
};

}  // namespace tabloom
