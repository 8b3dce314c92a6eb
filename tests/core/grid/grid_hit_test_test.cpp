#include "core/grid/grid_hit_test.h"

#include <gtest/gtest.h>

#include <string>

#include "core/grid/grid_drawing.h"
#include "grid_layout.h"
#include "recording_canvas.h"

namespace tabloom {
namespace {

struct HitCase {
    const char* name;
    double x, y;
    bool hit;
    int row, col;
};

class GridHitTestTest : public ::testing::TestWithParam<HitCase> {};

// 6 x 6 on 512 x 230: cells 83 x 36, (1, 1) from (14, 14) to (95, 48); a
// 2 x 2 span at (3, 3) from (180, 86) to (344, 156).
TEST_P(GridHitTestTest, FindsTheAnchorWhoseRectangleHoldsThePoint) {
    const HitCase& c = GetParam();
    TableSpec table;
    testing::Span(table, 3, 3, 2, 2);
    testing::RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    std::int16_t row = -1, col = -1;
    EXPECT_EQ(GridHitTest(table, c.x, c.y, row, col), c.hit);
    EXPECT_EQ(row, c.hit ? c.row : -1);
    EXPECT_EQ(col, c.hit ? c.col : -1);
}

INSTANTIATE_TEST_SUITE_P(Points, GridHitTestTest,
                         ::testing::Values(HitCase{"TopLeftCorner", 14, 14, true, 1, 1},
                                           HitCase{"BottomRightCornerIncluded", 95, 48, true, 1, 1},
                                           HitCase{"GapBetweenColumns", 96, 30, false, 0, 0},
                                           HitCase{"ColumnNumberStrip", 50, 5, false, 0, 0},
                                           HitCase{"GreyStripBelow", 100, 230, false, 0, 0},
                                           HitCase{"SpanCoveredPart", 340, 150, true, 3, 3},
                                           HitCase{"SpanInnerGapIsInside", 263, 121, true, 3, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GridHitTestTest, StaleRectanglesOfCoveredPositionsTakeNoPart) {
    TableSpec table;
    testing::RecordingCanvas canvas(512, 230);
    DrawTable(table, canvas);
    // (2, 2) keeps the rectangle of its last drawing after it is covered.
    testing::Span(table, 2, 1, 1, 2);
    std::int16_t row = 0, col = 0;
    EXPECT_FALSE(GridHitTest(table, 120, 60, row, col));
    DrawTable(table, canvas);
    ASSERT_TRUE(GridHitTest(table, 120, 60, row, col));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(col, 1);
}

}  // namespace
}  // namespace tabloom
