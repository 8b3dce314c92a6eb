#include "core/html/header_structure.h"

#include <algorithm>

namespace tabloom {

namespace {

// The group sizes between sorted, unique boundaries.
std::vector<int> Spans(std::vector<int> bounds) {
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    std::vector<int> spans;
    for (std::size_t i = 1; i < bounds.size(); ++i) spans.push_back(bounds[i] - bounds[i - 1]);
    return spans;
}

bool IsBound(const std::vector<int>& bounds, int at) {
    return std::find(bounds.begin(), bounds.end(), at) != bounds.end();
}

// True when no boundary lies strictly between from and to.
bool OneGroup(const std::vector<int>& bounds, int from, int to) {
    return std::none_of(bounds.begin(), bounds.end(), [&](int b) { return b > from && b < to; });
}

}  // namespace

const char* ScopeName(HeaderScope scope) {
    switch (scope) {
        case HeaderScope::Col:
            return "col";
        case HeaderScope::Row:
            return "row";
        case HeaderScope::ColGroup:
            return "colgroup";
        case HeaderScope::RowGroup:
            return "rowgroup";
        case HeaderScope::None:
            break;
    }
    return nullptr;
}

HeaderStructure FindHeaderStructure(const TableSpec& t) {
    HeaderStructure s;
    const int rows = t.intNumRows;
    const int cols = t.intNumCols;
    // cut[k]: no cell spans from row k into row k + 1, so a row group may end there.
    std::array<bool, intMaxRows + 2> cut{};
    cut.fill(true);
    std::vector<int> colBounds = {1, cols + 1};
    bool colSpanned = false;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan < 1) continue;
            for (int k = r; k < r + cell.intRowSpan - 1; ++k) cut[k] = false;
            if (r <= t.intHeaderRows) {
                s.scope[r][c] = HeaderScope::Col;
                if (cell.intColSpan > 1) {
                    colBounds.push_back(c);
                    colBounds.push_back(c + cell.intColSpan);
                    colSpanned = true;
                }
            } else if (c <= t.intHeaderCols) {
                s.scope[r][c] = HeaderScope::Row;
            }
        }
    }
    if (colSpanned) {
        s.colGroupSpans = Spans(colBounds);
        for (int r = 1; r <= t.intHeaderRows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                const CellSpec& cell = t.At(r, c);
                if (cell.intRowSpan >= 1 && cell.intColSpan > 1 &&
                    OneGroup(colBounds, c, c + cell.intColSpan)) {
                    s.scope[r][c] = HeaderScope::ColGroup;
                }
            }
        }
    }

    const int headEnd = t.intHeaderRows > 0 && cut[t.intHeaderRows] ? t.intHeaderRows : 0;
    if (headEnd > 0) s.sections.push_back(RowSection{true, 1, headEnd});
    if (headEnd == rows) return s;
    // A row header spanning rows gets a group of its own when no other
    // cell's span crosses the group's edges.
    std::vector<int> rowBounds = {headEnd + 1, rows + 1};
    for (int r = headEnd + 1; r <= rows; ++r) {
        for (int c = 1; c <= t.intHeaderCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (s.scope[r][c] != HeaderScope::Row || cell.intRowSpan < 2) continue;
            const int end = r + cell.intRowSpan;
            if ((r == headEnd + 1 || cut[r - 1]) && cut[end - 1]) {
                rowBounds.push_back(r);
                rowBounds.push_back(end);
            }
        }
    }
    int first = headEnd + 1;
    for (const int span : Spans(rowBounds)) {
        s.sections.push_back(RowSection{false, first, first + span - 1});
        first += span;
    }
    for (int r = headEnd + 1; r <= rows; ++r) {
        for (int c = 1; c <= t.intHeaderCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            const int end = r + cell.intRowSpan;
            if (s.scope[r][c] == HeaderScope::Row && cell.intRowSpan > 1 && IsBound(rowBounds, r) &&
                IsBound(rowBounds, end) && OneGroup(rowBounds, r, end)) {
                s.scope[r][c] = HeaderScope::RowGroup;
                s.rowGroups = true;
            }
        }
    }
    return s;
}

void AppendCellTagStart(std::string& out, HeaderScope scope) {
    if (scope == HeaderScope::None) {
        out += "<td";
    } else {
        out += "<th scope=\"";
        out += ScopeName(scope);
        out += '"';
    }
}

}  // namespace tabloom
