#include "core/html/header_structure.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;
using testing::StartTable;

struct Case {
    const char* name;
    int rows, cols, headerRows, headerCols;
    const char* spans;  // "row col rows cols" groups
    // Rows separated by '|', per column: C col, G colgroup, R row, Q rowgroup,
    // - data cell, . covered.
    const char* scopes;
    std::vector<int> colGroups;
    const char* sections;  // "h1-2 b3-4": head or body, first and last row
    bool rowGroups;
};

TEST(HeaderStructureTest, HeaderCellsScopesAndGroups) {
    const Case cases[] = {
        {"no headers", 2, 3, 0, 0, "", "---|---", {}, "b1-2", false},
        {"first row and column", 3, 3, 1, 1, "", "CCC|R--|R--", {}, "h1-1 b2-3", false},
        {"all rows are header rows", 2, 2, 2, 0, "", "CC|CC", {}, "h1-2", false},
        // The two-tier headers of the WAI tables tutorial.
        {"column and row groups",
         6,
         5,
         2,
         1,
         "1 1 2 1  1 2 1 2  1 4 1 2  3 1 2 1  5 1 2 1",
         "CG.G.|.CCCC|Q----|.----|Q----|.----",
         {1, 2, 2},
         "h1-2 b3-4 b5-6",
         true},
        // Spans that do not line up make no group: the scope stays col.
        {"crossing column spans",
         2,
         4,
         2,
         0,
         "1 1 1 2  2 2 1 2",
         "C.CC|CC.C",
         {1, 1, 1, 1},
         "h1-2",
         false},
        // A header cell spanning into the body rows: no head section.
        {"header spans into the body", 4, 1, 1, 0, "1 1 2 1", "C|.|-|-", {}, "b1-4", false},
        // Another cell's span crosses the row group's end.
        {"row span crossed", 4, 3, 0, 1, "1 1 2 1  2 2 2 1", "R--|.--|R.-|R--", {}, "b1-4", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec t = StartTable(c.rows, c.cols);
        t.intHeaderRows = static_cast<std::int16_t>(c.headerRows);
        t.intHeaderCols = static_cast<std::int16_t>(c.headerCols);
        std::istringstream spans(c.spans);
        for (int r, col, rows, cols; spans >> r >> col >> rows >> cols;)
            Span(t, r, col, rows, cols);
        const HeaderStructure s = FindHeaderStructure(t);
        std::string scopes;
        for (int r = 1; r <= c.rows; ++r) {
            if (r > 1) scopes += '|';
            for (int col = 1; col <= t.intNumCols; ++col) {
                const char* letters = "-CRGQ";
                scopes +=
                    t.At(r, col).intRowSpan < 1 ? '.' : letters[static_cast<int>(s.scope[r][col])];
            }
        }
        EXPECT_EQ(scopes, c.scopes);
        EXPECT_EQ(s.colGroupSpans, c.colGroups);
        std::string sections;
        for (const RowSection& section : s.sections) {
            if (!sections.empty()) sections += ' ';
            sections += (section.head ? "h" : "b") + std::to_string(section.first) + "-" +
                        std::to_string(section.last);
        }
        EXPECT_EQ(sections, c.sections);
        EXPECT_EQ(s.rowGroups, c.rowGroups);
    }
}

}  // namespace
}  // namespace tabloom
