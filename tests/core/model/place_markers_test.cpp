#include "core/model/place_markers.h"

#include <gtest/gtest.h>

namespace tabloom {
namespace {

TEST(PlaceMarkerTest, MakePlaceMarker) { EXPECT_EQ(MakePlaceMarker(20, 20), "R20C20"); }

struct MarkerCase {
    const char* content;
    int rows;
    int cols;
    bool marker;
};

TEST(PlaceMarkerTest, RecognisesMarkersOfAnyCellOfTheTable) {
    const MarkerCase cases[] = {
        {"R3C4", 6, 6, true},  {"  R3C4  ", 6, 6, true}, {"R3C4x", 6, 6, false},
        {"r3c4", 6, 6, false}, {"R3C04", 6, 6, false},   {"R123C1", 20, 20, false},
        {"R03C4", 6, 6, true}, {"R2C3", 2, 3, true},     {"R2C3", 2, 2, false},
        {"R0C1", 6, 6, false}, {"R1C0", 6, 6, false},    {"R20C20", 20, 20, true},
        {"", 6, 6, false},     {"RC1", 6, 6, false},     {"R1C", 6, 6, false},
        {"R1X1", 6, 6, false}, {"R7C6", 6, 6, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlaceMarkerText(c.content, c.rows, c.cols), c.marker)
            << c.content << " in " << c.rows << "x" << c.cols;
    }
}

TEST(PlaceMarkerTest, ReadsTheCellOfTheTable) {
    TableSpec table;
    NewTable(table);
    table.At(5, 1).strContent = "R2C3";
    EXPECT_TRUE(IsPlaceMarker(table, 5, 1));
    table.intNumCols = 2;
    EXPECT_FALSE(IsPlaceMarker(table, 5, 1));
}

}  // namespace
}  // namespace tabloom
