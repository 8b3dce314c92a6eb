#include "core/model/check_table.h"

#include <gtest/gtest.h>

#include <functional>

#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;

struct Case {
    const char* name;
    std::function<void(TableSpec&)> change;
    const char* reason;  // empty: the table stays sound
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class CheckTableTest : public ::testing::TestWithParam<Case> {};

TEST_P(CheckTableTest, FindsTheFirstOffence) {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = 4;
    t.intNumCols = 4;
    GetParam().change(t);
    EXPECT_EQ(CheckTable(t), GetParam().reason);
}

using T = TableSpec;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, CheckTableTest, ::testing::Values(
    Case{"LastIndexes", [](T& t) {
        t.intBorderColorIndex = 6;
        t.intBorderStyleIndex = 9;
        t.At(4, 4).intAlign = t.At(4, 4).intVAlign = 3; }, ""},
    Case{"HeadersAndCaption", [](T& t) {
        t.intHeaderRows = t.intHeaderCols = 4;
        t.strLang = "zh-Hant-TW";
        t.strCaption = std::string(1024, 'a'); }, ""},
    Case{"HeaderRowsPastTable", [](T& t) { t.intHeaderRows = 5; }, "table: number out of range for intHeaderRows"},
    Case{"NegativeHeaderColumns", [](T& t) { t.intHeaderCols = -1; }, "table: number out of range for intHeaderCols"},
    Case{"StyleUnknown", [](T& t) { t.outputStyle = OutputStyle(2); }, "table: number out of range for outputStyle"},
    Case{"CaptionTooLong", [](T& t) { t.strCaption = std::string(1025, 'a'); }, "table: text too long for strCaption"},
    // 1024 two-byte characters are 2048 bytes but still 1024 characters.
    Case{"CaptionOfWideCharacters", [](T& t) { for (int i = 0; i < 1024; ++i) t.strCaption += "\xCE\xB1"; }, ""},
    Case{"LineEndInCaption", [](T& t) { t.strCaption = "a\r\nb"; }, "table: control character for strCaption"},
    Case{"DigitStartsLanguage", [](T& t) { t.strLang = "1de"; }, "table: not a language tag for strLang"},
    Case{"EmptySubtag", [](T& t) { t.strLang = "de--CH"; }, "table: not a language tag for strLang"},
    Case{"TrailingHyphen", [](T& t) { t.strLang = "en-"; }, "table: not a language tag for strLang"},
    Case{"SubtagTooLong", [](T& t) { t.strLang = "en-abcdefghi"; }, "table: not a language tag for strLang"},
    Case{"RowsTooMany", [](T& t) { t.intNumRows = 21; }, "table: number out of range for intNumRows"},
    Case{"NoColumns", [](T& t) { t.intNumCols = 0; }, "table: number out of range for intNumCols"},
    Case{"BorderColour", [](T& t) { t.intBorderColorIndex = 7; }, "table: number out of range for intBorderColorIndex"},
    Case{"BorderStyle", [](T& t) { t.intBorderStyleIndex = -1; }, "table: number out of range for intBorderStyleIndex"},
    Case{"Align", [](T& t) { t.At(2, 3).intAlign = 4; }, "row 2, column 3: number out of range for intAlign"},
    Case{"NegativeVAlign", [](T& t) { t.At(3, 1).intVAlign = -1; }, "row 3, column 1: number out of range for intVAlign"},
    Case{"NulInFace", [](T& t) { t.At(1, 2).strFontFace = std::string("Ar\0ial", 6); }, "row 1, column 2: control character for strFontFace"},
    Case{"TabInSize", [](T& t) { t.At(1, 1).strFontSize = "+\t1"; }, "row 1, column 1: control character for strFontSize"},
    Case{"CommaInSize", [](T& t) { t.At(1, 1).strFontSize = "1,2"; }, "row 1, column 1: text not storable for strFontSize"},
    Case{"QuoteFirstInSize", [](T& t) { t.At(1, 1).strFontSize = "\"2"; }, "row 1, column 1: text not storable for strFontSize"},
    Case{"NegativeSpan", [](T& t) { t.At(2, 2).intColSpan = -2; }, "row 2, column 2: negative span for intColSpan"},
    Case{"HalfCovered", [](T& t) { t.At(2, 2).intRowSpan = 0; }, "row 2, column 2: span of 0 on one axis only for intRowSpan"},
    Case{"AnchorOwnedElsewhere", [](T& t) { t.At(2, 2).intOwnerRow = 1; }, "row 2, column 2: anchor does not own itself for intOwnerRow"},
    Case{"SpanPastLastRow", [](T& t) { t.At(3, 1).intRowSpan = 3; }, "row 3, column 1: span leaves the table for intRowSpan"},
    Case{"SpanPastLastColumn", [](T& t) { t.At(1, 4).intColSpan = 2; }, "row 1, column 4: span leaves the table for intColSpan"},
    Case{"AnchorInsideBlock", [](T& t) {
        Span(t, 1, 1, 2, 2);
        t.At(2, 2) = CellSpec{};
        t.At(2, 2).intOwnerRow = t.At(2, 2).intOwnerCol = 2; },
        "row 1, column 1: span overlaps the cell at row 2, column 2 for intRowSpan"},
    Case{"OverlappingBlocks", [](T& t) { Span(t, 1, 2, 2, 2); t.At(2, 1).intColSpan = 2; },
        "row 2, column 1: span overlaps the cell at row 2, column 2 for intRowSpan"},
    Case{"CoveredByNothing", [](T& t) { t.At(4, 4).intRowSpan = t.At(4, 4).intColSpan = 0; t.At(4, 4).intOwnerRow = 3; },
        "row 4, column 4: covered by no span for intRowSpan"},
    Case{"WrongOwner", [](T& t) { Span(t, 2, 2, 2, 2); t.At(3, 3).intOwnerCol = 3; },
        "row 3, column 3: owner is not the cell whose span covers it for intOwnerCol"},
    Case{"OutsideIgnored", [](T& t) { t.At(5, 5).intAlign = 9; t.At(1, 7).intRowSpan = 0; }, ""}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace tabloom
