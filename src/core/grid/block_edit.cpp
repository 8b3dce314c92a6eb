#include "core/grid/block_edit.h"

#include "core/dialogs/cell_checks.h"
#include "core/grid/span_rules.h"
#include "core/model/check_table.h"
#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

// The content an emptied cell takes.
std::string EmptyContent(const TableSpec& table, int row, int col) {
    return table.blnAddPlaceMarkers ? MakePlaceMarker(row, col) : std::string();
}

// Cuts UTF-8 text after max characters.
std::string CutToCharacters(const std::string& text, std::size_t max) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == max) {
            return text.substr(0, i);
        }
    }
    return text;
}

template <typename Visit>
void ForEachAnchor(const TableSpec& table, const CellBlock& block, Visit visit) {
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            if (table.At(r, c).intRowSpan > 0) visit(r, c);
        }
    }
}

}  // namespace

std::string JoinedContents(const TableSpec& table, const CellBlock& block) {
    std::string joined;
    ForEachAnchor(table, block, [&](int r, int c) {
        const std::string& content = table.At(r, c).strContent;
        if (content.empty() || IsPlaceMarker(table, r, c)) return;
        if (!joined.empty()) joined += "\r\n";
        joined += content;
    });
    return joined;
}

MergeOutcome MergeBlock(TableSpec& table, const CellBlock& block) {
    MergeOutcome outcome;
    const int rows = block.bottom - block.top + 1;
    const int cols = block.right - block.left + 1;
    if (!CellSizeOK(table, block.top, block.left, rows, cols, outcome.overlapRow,
                    outcome.overlapCol)) {
        outcome.message = OverlapMessage(outcome.overlapRow, outcome.overlapCol);
        return outcome;
    }
    const std::string joined = JoinedContents(table, block);
    if (CountCodePoints(joined) > static_cast<std::size_t>(intMaxContentLength)) {
        outcome.message = "The merged content would be longer than " +
                          std::to_string(intMaxContentLength) + " characters.";
        return outcome;
    }
    ForEachAnchor(table, block, [&](int r, int c) { table.At(r, c).strContent.clear(); });
    ApplySpans(table, block.top, block.left, rows, cols);
    CellSpec& anchor = table.At(block.top, block.left);
    anchor.strContent = joined.empty() ? EmptyContent(table, block.top, block.left) : joined;
    outcome.merged = true;
    return outcome;
}

int SplitBlock(TableSpec& table, const CellBlock& block) {
    int split = 0;
    ForEachAnchor(table, block, [&](int r, int c) {
        const CellSpec anchor = table.At(r, c);
        if (anchor.intRowSpan == 1 && anchor.intColSpan == 1) return;
        ApplySpans(table, r, c, 1, 1);
        for (int i = r; i < r + anchor.intRowSpan; ++i) {
            for (int j = c; j < c + anchor.intColSpan; ++j) {
                if (i != r || j != c) table.At(i, j).strContent = EmptyContent(table, i, j);
            }
        }
        ++split;
    });
    return split;
}

int EmptyBlock(TableSpec& table, const CellBlock& block) {
    int changed = 0;
    ForEachAnchor(table, block, [&](int r, int c) {
        std::string emptied = EmptyContent(table, r, c);
        std::string& content = table.At(r, c).strContent;
        if (content == emptied) return;
        content = std::move(emptied);
        ++changed;
    });
    return changed;
}

bool StoreTypedContent(TableSpec& table, int row, int col, const std::string& text) {
    std::string content = CutToCharacters(TrimBlanks(text), intMaxContentLength);
    if (content.empty()) content = EmptyContent(table, row, col);
    std::string& stored = table.At(row, col).strContent;
    if (stored == content) return false;
    stored = std::move(content);
    return true;
}

}  // namespace tabloom
