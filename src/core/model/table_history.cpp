#include "core/model/table_history.h"

#include <utility>

namespace tabloom {

namespace {

const std::string kNothing;

}  // namespace

PackedTable::PackedTable(const HistoryState& state, const PackedTable* neighbour)
    : options_(state.table), outputPath_(state.outputPath) {
    for (int r = 0; r <= intMaxRows; ++r) {
        for (int c = 0; c <= intMaxCols; ++c) {
            const CellSpec& cell = state.table.Cell[r][c];
            const SharedCell* same = neighbour ? &neighbour->cells_[r][c] : nullptr;
            if (same && *same && (*same)->SameSpec(cell)) {
                cells_[r][c] = *same;
            } else {
                cells_[r][c] = std::make_shared<const CellSpec>(cell);
            }
        }
    }
}

HistoryState PackedTable::Unpack() const {
    HistoryState state;
    static_cast<TableOptions&>(state.table) = options_;
    state.outputPath = outputPath_;
    for (int r = 0; r <= intMaxRows; ++r) {
        for (int c = 0; c <= intMaxCols; ++c) {
            if (cells_[r][c]) state.table.Cell[r][c] = *cells_[r][c];
        }
    }
    return state;
}

void PackedTable::CollectCells(std::unordered_set<const CellSpec*>& seen) const {
    for (const auto& row : cells_) {
        for (const auto& cell : row) seen.insert(cell.get());
    }
}

TableHistory::TableHistory(std::size_t stepsKept) : kept_(stepsKept) {}

void TableHistory::Record(std::string what, const HistoryState& before, const HistoryState& after) {
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    Step step;
    step.what = std::move(what);
    step.before = PackedTable(before, steps_.empty() ? nullptr : &steps_.back().after);
    step.after = PackedTable(after, &step.before);
    steps_.push_back(std::move(step));
    while (steps_.size() > kept_) steps_.pop_front();
    index_ = steps_.size();
}

const std::string& TableHistory::UndoText() const {
    return CanUndo() ? steps_[index_ - 1].what : kNothing;
}

const std::string& TableHistory::RedoText() const {
    return CanRedo() ? steps_[index_].what : kNothing;
}

HistoryState TableHistory::Undo() { return steps_[--index_].before.Unpack(); }

HistoryState TableHistory::Redo() { return steps_[index_++].after.Unpack(); }

void TableHistory::Clear() {
    steps_.clear();
    index_ = 0;
}

std::size_t TableHistory::DistinctCells() const {
    std::unordered_set<const CellSpec*> seen;
    for (const Step& step : steps_) {
        step.before.CollectCells(seen);
        step.after.CollectCells(seen);
    }
    seen.erase(nullptr);
    return seen.size();
}

}  // namespace tabloom
