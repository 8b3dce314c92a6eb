#include "core/model/table_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabloom {
namespace {

HistoryState State(const std::string& content, bool centred, const std::string& path) {
    HistoryState s;
    InitTableState(s.table);
    s.table.At(2, 3).strContent = content;
    s.table.blnCenterTable = centred;
    s.outputPath = path;
    return s;
}

bool Same(const HistoryState& a, const HistoryState& b) {
    return a.table.SameSpec(b.table) && a.outputPath == b.outputPath;
}

TEST(TableHistoryTest, UndoAndRedoWalkTheStatesAndANewChangeDropsTheRedoSteps) {
    const std::vector<HistoryState> states = {State("", false, ""), State("a", false, ""),
                                              State("a", true, "x.htm"), State("b", true, "")};
    TableHistory history;
    for (std::size_t i = 1; i < states.size(); ++i) {
        history.Record("step " + std::to_string(i), states[i - 1], states[i]);
    }
    EXPECT_EQ(history.UndoText(), "step 3");
    EXPECT_EQ(history.RedoText(), "");
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(history.CanUndo());
        EXPECT_TRUE(Same(history.Undo(), states[i - 1])) << "undo to " << i - 1;
    }
    EXPECT_FALSE(history.CanUndo());
    for (std::size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(history.CanRedo());
        EXPECT_TRUE(Same(history.Redo(), states[i])) << "redo to " << i;
    }
    EXPECT_FALSE(history.CanRedo());

    history.Undo();
    history.Undo();
    history.Record("other", states[1], State("c", false, ""));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 2u);
    EXPECT_TRUE(Same(history.Undo(), states[1]));
}

TEST(TableHistoryTest, KeepsTheNewestStepsOnly) {
    TableHistory history(3);
    for (int i = 0; i < 5; ++i) {
        history.Record("", State(std::to_string(i), false, ""), State("", false, ""));
    }
    EXPECT_EQ(history.Count(), 3u);
    HistoryState oldest;
    while (history.CanUndo()) oldest = history.Undo();
    EXPECT_EQ(oldest.table.At(2, 3).strContent, "2");
    history.Clear();
    EXPECT_FALSE(history.CanRedo());
}

// A full table of long cells changed 250 times in its options shares every
// cell; an edited cell adds one.
TEST(TableHistoryTest, StepsShareTheCellsTheyHaveInCommon) {
    HistoryState state;
    InitTableState(state.table);
    state.table.intNumRows = state.table.intNumCols = 20;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) state.table.At(r, c).strContent = std::string(2048, 'x');
    }
    TableHistory history;
    for (int i = 0; i < 250; ++i) {
        HistoryState after = state;
        after.table.blnCenterTable = !state.table.blnCenterTable;
        history.Record("center", state, after);
        state = after;
    }
    constexpr std::size_t kPositions = (intMaxRows + 1) * (intMaxCols + 1);
    EXPECT_EQ(history.DistinctCells(), kPositions);
    HistoryState after = state;
    after.table.At(20, 20).strContent = "edited";
    history.Record("edit", state, after);
    EXPECT_EQ(history.DistinctCells(), kPositions + 1);
    EXPECT_EQ(history.Undo().table.At(20, 20).strContent, std::string(2048, 'x'));
}

}  // namespace
}  // namespace tabloom
