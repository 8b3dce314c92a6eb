#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <unordered_set>

#include "core/model/table_spec.h"

namespace tabloom {

// What one undo step puts back: the table and the output path (UTF-8).
struct HistoryState {
    TableSpec table;
    std::string outputPath;
};

// A table as the history keeps it: the options by value and every cell
// shared with the neighbouring state that holds the same cell, so that a
// long run of changes to a large table costs little more than the table.
class PackedTable {
  public:
    PackedTable() = default;
    // Shares each cell that equals the one at the same place in neighbour.
    PackedTable(const HistoryState& state, const PackedTable* neighbour);

    HistoryState Unpack() const;
    // Adds the address of every cell held to seen.
    void CollectCells(std::unordered_set<const CellSpec*>& seen) const;

  private:
    using SharedCell = std::shared_ptr<const CellSpec>;
    TableOptions options_;
    std::string outputPath_;
    std::array<std::array<SharedCell, intMaxCols + 1>, intMaxRows + 1> cells_{};
};

// The undo and redo steps: each names its change and holds the state
// before and after it. The oldest steps go once more than stepsKept are held.
class TableHistory {
  public:
    static constexpr std::size_t kStepsKept = 250;

    explicit TableHistory(std::size_t stepsKept = kStepsKept);

    // Records a change already made; any steps that could be redone go.
    void Record(std::string what, const HistoryState& before, const HistoryState& after);
    bool CanUndo() const { return index_ > 0; }
    bool CanRedo() const { return index_ < steps_.size(); }
    // The name of the step Undo or Redo would take; empty when there is none.
    const std::string& UndoText() const;
    const std::string& RedoText() const;
    // Steps back (or forward) and gives the state to put back. Call only
    // when CanUndo (CanRedo).
    HistoryState Undo();
    HistoryState Redo();
    void Clear();
    std::size_t Count() const { return steps_.size(); }
    // Cells held by all steps together, shared ones counted once.
    std::size_t DistinctCells() const;

  private:
    struct Step {
        std::string what;
        PackedTable before;
        PackedTable after;
    };
    std::size_t kept_;
    std::deque<Step> steps_;
    std::size_t index_ = 0;  // steps_[0 .. index_) can be undone
};

}  // namespace tabloom
