#include "core/grid/place_marker_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_layout.h"

namespace tabloom {
namespace {

struct MarkerCase {
    const char* name;
    int rows, cols;
    bool on;
    std::string before;  // content of (2, 1); (1, 1) spans 1 x 2 over (1, 2)
    std::string after;
    bool changed;
};

class FillPlaceMarkersTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(FillPlaceMarkersTest, FillsBlanksOrClearsMarkers) {
    const MarkerCase& c = GetParam();
    TableSpec table;
    table.intNumRows = static_cast<std::int16_t>(c.rows);
    table.intNumCols = static_cast<std::int16_t>(c.cols);
    testing::Span(table, 1, 1, 1, 2);
    table.At(1, 1).strContent = "Head";
    table.At(2, 1).strContent = c.before;
    for (int j = 2; j <= c.cols; ++j) table.At(2, j).strContent = "x";
    EXPECT_EQ(FillPlaceMarkers(table, c.on), c.changed);
    EXPECT_EQ(table.At(2, 1).strContent, c.after);
    EXPECT_EQ(table.At(1, 1).strContent, "Head");
    EXPECT_EQ(table.At(1, 2).strContent, "");  // covered: never filled
}

INSTANTIATE_TEST_SUITE_P(
    Contents, FillPlaceMarkersTest,
    ::testing::Values(MarkerCase{"FillEmpty", 2, 2, true, "", "R2C1", true},
                      MarkerCase{"KeepContent", 2, 2, true, "text", "text", false},
                      MarkerCase{"ClearOtherCellsMarker", 3, 3, false, " R3C2 ", "", true},
                      MarkerCase{"KeepMissingRow", 2, 2, false, "R3C1", "R3C1", false},
                      MarkerCase{"KeepTrailingText", 3, 4, false, "R3C4x", "R3C4x", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tabloom
