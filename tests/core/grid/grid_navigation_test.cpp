#include "core/grid/grid_navigation.h"

#include <gtest/gtest.h>

#include <string>

#include "grid_layout.h"

namespace tabloom {
namespace {

struct MoveCase {
    const char* name;
    int row, col;
    GridMove move;
    int endRow, endCol;
};

class MoveCurrentCellTest : public ::testing::TestWithParam<MoveCase> {};

// 5 x 5 with a 2 x 2 block at (2, 2) and a 1 x 2 block at (5, 4).
TEST_P(MoveCurrentCellTest, StopsOnceOnEveryAnchor) {
    const MoveCase& c = GetParam();
    TableSpec table;
    table.intNumRows = 5;
    table.intNumCols = 5;
    testing::Span(table, 2, 2, 2, 2);
    testing::Span(table, 5, 4, 1, 2);
    std::int16_t row = static_cast<std::int16_t>(c.row), col = static_cast<std::int16_t>(c.col);
    MoveCurrentCell(table, c.move, row, col);
    EXPECT_EQ(row, c.endRow);
    EXPECT_EQ(col, c.endCol);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveCurrentCellTest,
    ::testing::Values(MoveCase{"RightOverSpan", 2, 2, GridMove::Right, 2, 4},
                      MoveCase{"DownOverSpan", 2, 2, GridMove::Down, 4, 2},
                      MoveCase{"UpIntoSpan", 4, 3, GridMove::Up, 2, 2},
                      MoveCase{"LeftEdgeStays", 3, 1, GridMove::Left, 3, 1},
                      MoveCase{"TopEdgeStays", 1, 4, GridMove::Up, 1, 4},
                      MoveCase{"RightEdgeFromSpanStays", 5, 4, GridMove::Right, 5, 4},
                      MoveCase{"BottomEdgeStays", 5, 1, GridMove::Down, 5, 1},
                      MoveCase{"RowStart", 3, 5, GridMove::RowStart, 3, 1},
                      MoveCase{"RowEndOnSpan", 5, 1, GridMove::RowEnd, 5, 4},
                      MoveCase{"TableStart", 4, 4, GridMove::TableStart, 1, 1},
                      MoveCase{"TableEndOnSpan", 1, 1, GridMove::TableEnd, 5, 4},
                      MoveCase{"CoveredStartIsOwner", 3, 3, GridMove::Right, 2, 4},
                      MoveCase{"OutsideTableIsClamped", 9, 9, GridMove::Left, 5, 3}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tabloom
