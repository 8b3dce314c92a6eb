#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/model/check_table.h"
#include "core/model/colour.h"
#include "core/model/place_markers.h"
#include "core/model/table_history.h"
#include "core/model/table_spec.h"
#include "core/model/text_helpers.h"
#include "core/texts/program_texts.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::Span;

// reason: empty: the table stays sound.
// clang-format off
struct Case { const char* name; std::function<void(TableSpec&)> change; const char* reason; };
// clang-format on

using T = TableSpec;

TEST(CheckTableTest, FindsTheFirstOffence) {
    // clang-format off
    const Case cases[] = {
    Case{"LastIndexes", [](T& t) { t.intBorderColorIndex = 6; t.intBorderStyleIndex = 9;
        t.At(4, 4).intAlign = t.At(4, 4).intVAlign = 3; }, ""},
    Case{"HeadersAndCaption", [](T& t) { t.intHeaderRows = t.intHeaderCols = 4;
        t.strLang = "zh-Hant-TW"; t.strCaption = std::string(1024, 'a'); }, ""},
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
    Case{"AnchorInsideBlock", [](T& t) { Span(t, 1, 1, 2, 2);
        t.At(2, 2) = CellSpec{}; t.At(2, 2).intOwnerRow = t.At(2, 2).intOwnerCol = 2; },
        "row 1, column 1: span overlaps the cell at row 2, column 2 for intRowSpan"},
    Case{"OverlappingBlocks", [](T& t) { Span(t, 1, 2, 2, 2); t.At(2, 1).intColSpan = 2; },
        "row 2, column 1: span overlaps the cell at row 2, column 2 for intRowSpan"},
    Case{"CoveredByNothing", [](T& t) { t.At(4, 4).intRowSpan = t.At(4, 4).intColSpan = 0; t.At(4, 4).intOwnerRow = 3; },
        "row 4, column 4: covered by no span for intRowSpan"},
    Case{"WrongOwner", [](T& t) { Span(t, 2, 2, 2, 2); t.At(3, 3).intOwnerCol = 3; },
        "row 3, column 3: owner is not the cell whose span covers it for intOwnerCol"},
    Case{"OutsideIgnored", [](T& t) { t.At(5, 5).intAlign = 9; t.At(1, 7).intRowSpan = 0; }, ""}};
    // clang-format on
    for (const Case& c : cases) {
        TableSpec t;
        t.intNumRows = t.intNumCols = 4;
        c.change(t);
        EXPECT_EQ(CheckTable(t), c.reason) << c.name;
    }
}

// A German desktop sets a decimal comma as the process locale; typed numbers
// still read a decimal point.
TEST(LeadingNumberTest, ReadsTheLongestLeadingNumberUnderEveryLocale) {
    // clang-format off
    const struct { const char* text; double value; } cases[] = {
        {"12px", 12}, {"99.5", 99.5}, {"1e2", 100}, {" -3 ", -3}, {"", 0}, {"abc", 0},
        {".5", 0.5}, {"5.", 5}, {"1 2", 12}, {"1e", 1}, {"2E-1x", 0.2}, {"-.", 0},
        {"3.25.1", 3.25}, {"0x10", 0}, {"1,5", 1}, {"1e999", HUGE_VAL}, {"-9e999", -HUGE_VAL},
        {"0.00e400", 0}};
    // clang-format on
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"C", "de_DE.UTF-8"}) {
        // scripts/install-deps generates the German locale.
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " is not installed";
        for (const auto& c : cases)
            EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text << " under " << name;
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(RoundingTest, HalvesGoToEvenAndInt16Saturates) {
    const double in[] = {0.5, 1.5, -0.5, -1.5, 2.4999, 2.5001};
    const double out[] = {0, 2, 0, -2, 2, 3};
    for (std::size_t i = 0; i < std::size(in); ++i) EXPECT_EQ(RoundHalfEven(in[i]), out[i]) << i;
    const std::pair<double, int> int16s[] = {
        {40000, 32767}, {-40000, -32768}, {INFINITY, 32767}, {NAN, 0}, {12.5, 12}};
    for (const auto& [value, rounded] : int16s) EXPECT_EQ(RoundToInt16(value), rounded) << value;
}

// Text empty or shorter than the start leaves the parts alone.
TEST(SplitTextTest, CrLfTrimMinLengthMaxPartsAndBlankDelimiter) {
    std::vector<std::string> parts = {"keep"};
    EXPECT_EQ(SplitText("", "\r\n", 1, parts, false, 0, 0) +
                  SplitText("abc", "\r\n", 4, parts, false, 0, 0),
              0);
    EXPECT_EQ(parts, std::vector<std::string>{"keep"});
    // clang-format off
    const struct { const char *text, *delimiter; int start; bool trim; int maxParts, minLength;
        std::vector<std::string> parts;
        } cases[] = {{"\r\n\r\na", "\r\n", 1, false, 0, 0, {"", "a"}},
                 {"a\r\n\r\nb", "\r\n", 1, false, 0, 0, {"a", "", "b"}},
                 {"\r\n", "\r\n", 1, false, 0, 0, {""}},
                 {"a\r\n  b\r\n", "\r\n", 1, false, 0, 0, {"a", "  b"}},
                 {" a , b ,, c ", ",", 1, true, 0, 1, {"a", "b", "c"}},
                 {"a,b,c,d", ",", 1, false, 2, 0, {"a", "b"}},
                 {"one   two three", " ", 1, false, 0, 0, {"one", "two", "three"}},
                 {"xxab", ",", 3, false, 0, 0, {"ab"}}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(SplitText(c.text, c.delimiter, c.start, parts, c.trim, c.maxParts, c.minLength),
                  static_cast<int>(c.parts.size()));
        EXPECT_EQ(parts, c.parts) << c.text;
    }
}

TEST(FirstNotInTest, Positions) {
    EXPECT_EQ((std::vector<int>{FirstNotIn("", 1, " "), FirstNotIn("abc", 1, ""),
                                FirstNotIn("aabx", 1, "ab"), FirstNonBlank("  b", 1),
                                FirstNonBlank("   ", 1), FirstNonBlank("ab", 0)}),
              (std::vector<int>{0, 1, 4, 3, 0, 1}));
}

TEST(TimeStampTest, Forms) {
    const LocalDateTime t{2026, 12, 5, 14, 5, 9};
    EXPECT_EQ(TimeStamp(t, true, false) + "|" + TimeStamp(t, true, true) + "|" +
                  TimeStamp(t, false, true),
              "14:05 on 2026-12-05|14:05:09 on 2026-12-05|2026-12-05 14:05:09");
    EXPECT_EQ(TimeStamp(FixedClock({2027, 1, 2, 3, 4, 5}), false, false), "2027-01-02 03:04");
}

class ProgramTextsTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& content) {
        testing::WriteBytes(folder_.File("tbm.dat"), content);
        return folder_.File("tbm.dat");
    }
    testing::TempFolder folder_;
};

// clang-format off
struct LoadCase { const char* name; std::string content; int result; };
// clang-format on

TEST_F(ProgramTextsTest, LoadResultCodesAndMissingFileOrFolder) {
    std::string thousandAndOne;
    for (int i = 1; i <= 1001; ++i) thousandAndOne += std::to_string(i) + "\tt\n";
    const LoadCase cases[] = {
        {"comments and blanks", "# c\n\n11\tTabloom\r\n", 1},
        {"empty", "", ProgramTexts::kEmptyFile},
        {"missing text at line 2", "1\tOne\n2\t\n", -502},
        {"no tab at line 3", "1\tOne\n#\n7 seven\n", -503},
        {"bad number", "x1\tOne\n", -501},
        {"duplicate at line 4", "1\ta\n2\tb\n\n1\tc\n", -1504},
        {"too long at line 2", "1\ta\n2\t" + std::string(1024, 'x') + "\n", -1002},
        {"longest allowed", "1\t" + std::string(1023, 'x') + "\n", 1},
        {"too many texts", thousandAndOne, ProgramTexts::kTooMuchText}};
    for (const auto& c : cases) {
        ProgramTexts texts;
        EXPECT_EQ(texts.Load(Write(c.content)), c.result) << c.name;
    }
    ProgramTexts texts;
    EXPECT_EQ(texts.Load(folder_.File("none.dat")), ProgramTexts::kCannotOpen);
    // A folder where the file should be opens but cannot be read.
    const int folder = texts.Load(folder_.Path().string());
    EXPECT_TRUE(folder == ProgramTexts::kReadError || folder == ProgramTexts::kCannotOpen);
}

TEST_F(ProgramTextsTest, LookupLineBreaksAndAFailedReload) {
    ProgramTexts texts;
    ASSERT_EQ(texts.Load(Write("1\tFirst\\nSecond\n2\t~\n3\t~x\n4\ta\\\\n\n")), 4);
    EXPECT_EQ(texts.ProgramText(1) + "|" + texts.ProgramText(2) + "|" + texts.ProgramText(3) + "|" +
                  texts.ProgramText(4) + "|" + texts.ProgramText(99),
              "First\nSecond||~x|a\\n|");
    // A failed load forgets the earlier texts.
    EXPECT_LT(texts.Load(Write("1\tOne\n1\tAgain\n")), 0);
    EXPECT_EQ(texts.ProgramText(1), "");
}

TEST(ProgramTextFailureMessageTest, Messages) {
    const std::pair<int, const char*> cases[] = {
        {-1, "Cannot open file containing program text.\n/x/tbm.dat"},
        {-5, "Error -5"},
        {-501, "Missing string at line 1."},
        {-1000, "Missing string at line 500."},
        {-1001, "String too long at line 1."},
        {-1500, "String too long at line 500."},
        {-1501, "Duplicate in program text at line 1."}};
    for (const auto& [code, message] : cases)
        EXPECT_EQ(ProgramTextFailureMessage(code, "/x/tbm.dat"), message) << code;
}

TEST(ShippedTextsTest, EveryTextTheProgramAsksForIsThere) {
    const char* dir = std::getenv("TABLOOM_DATA_DIR");
    ASSERT_NE(dir, nullptr);
    ProgramTexts texts;
    ASSERT_GT(texts.Load(std::string(dir) + "/tbm.dat"), 0);
    for (int n : {1, 6, 8, 9, 10, 11, 13, 17, 19, 25, 26, 27, 28, 29})
        EXPECT_FALSE(texts.ProgramText(n).empty()) << n;
    EXPECT_EQ(texts.ProgramText(11), "Tabloom");
}

// An empty cell at (r, c): default fields, owning itself.
void ExpectReset(const TableSpec& t, int r, int c) {
    CellSpec empty;
    empty.intOwnerRow = static_cast<std::int16_t>(r);
    empty.intOwnerCol = static_cast<std::int16_t>(c);
    EXPECT_TRUE(t.At(r, c).SameSpec(empty)) << r << "," << c;
}

TEST(TableSpecTest, NewTableResetsCellsAndColoursButKeepsFrameAndOptions) {
    TableSpec t;
    t.intTableWidth = 80;
    t.lngTableBgColor = 0x123456;
    t.intNumRows = 20;
    Span(t, 19, 19, 2, 2);
    t.At(20, 20).strContent = "hidden";
    t.strLang = "de";
    t.intHeaderRows = t.intHeaderCols = 2;
    t.strCaption = "Prices";
    NewTable(t);
    EXPECT_EQ(t.strLang + "|" + t.strCaption, "de|");
    EXPECT_EQ((std::vector<int>{t.intTableWidth, t.intHeaderRows, t.intNumRows, t.lngTableBgColor}),
              (std::vector<int>{80, 0, 6, 0xFFFFFF}));
    ExpectReset(t, 20, 20);
    ExpectReset(t, 19, 19);
}

TEST(TableSpecTest, ShrinkingCutsSpansAndResetsOutside) {
    TableSpec t;
    NewTable(t);
    Span(t, 3, 2, 3, 2);  // rows 3..5 cut back to 3..4
    Span(t, 1, 3, 1, 3);  // columns 3..5 cut back to 3
    t.At(4, 2).strContent = "under the span";
    t.intHeaderRows = 5;
    t.intHeaderCols = 3;
    t.intNumRows = 4;
    t.intNumCols = 3;
    AdjustCellsToDimensions(t);
    EXPECT_EQ(
        (std::vector<int>{t.intHeaderRows, t.intHeaderCols, t.At(3, 2).intRowSpan,
                          t.At(3, 2).intColSpan, t.At(1, 3).intColSpan, t.At(4, 3).intOwnerRow}),
        (std::vector<int>{4, 3, 2, 2, 1, 3}));
    EXPECT_EQ(t.At(4, 2).strContent, "under the span");
    for (int r = 1; r <= 20; ++r) ExpectReset(t, r, r > 4 ? 1 : 4);
}

// Colours are stored 0x00BBGGRR and written #RRGGBB; a value past a byte is
// padded, never cut.
TEST(ColourTest, HexWritesRedGreenBlueInUpperCaseAndComponentsComposeBack) {
    EXPECT_EQ(ColorToHex(0x0A0B0C) + ColorToHex(NotSpecifiedColor) + HexColor(255, 255, 32767),
              "#0C0B0A#FFFF7FFF#FFFF7FFF");
    EXPECT_EQ(ColorFromRGB(0x0C, 0x0B, 0x0A), 0x0A0B0C);
}

// clang-format off
struct MarkerCase { const char* content; int rows; int cols; bool marker; };
// clang-format on

TEST(PlaceMarkerTest, RecognisesMarkersOfAnyCellOfTheTable) {
    const MarkerCase cases[] = {
        {"R3C4", 6, 6, true},  {"  R3C4  ", 6, 6, true}, {"R3C4x", 6, 6, false},
        {"r3c4", 6, 6, false}, {"R3C04", 6, 6, false},   {"R123C1", 20, 20, false},
        {"R03C4", 6, 6, true}, {"R2C3", 2, 3, true},     {"R2C3", 2, 2, false},
        {"R0C1", 6, 6, false}, {"R1C0", 6, 6, false},    {"R20C20", 20, 20, true},
        {"", 6, 6, false},     {"RC1", 6, 6, false},     {"R1C", 6, 6, false},
        {"R1X1", 6, 6, false}, {"R7C6", 6, 6, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlaceMarkerText(c.content, c.rows, c.cols), c.marker) << c.content;
    EXPECT_EQ(MakePlaceMarker(20, 20), "R20C20");
}

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
    EXPECT_EQ(history.UndoText() + "|" + history.RedoText(), "step 3|");
    for (std::size_t i = states.size() - 1; i > 0; --i)
        EXPECT_TRUE(Same(history.Undo(), states[i - 1])) << "undo to " << i - 1;
    EXPECT_FALSE(history.CanUndo());
    for (std::size_t i = 1; i < states.size(); ++i)
        EXPECT_TRUE(Same(history.Redo(), states[i])) << "redo to " << i;
    EXPECT_FALSE(history.CanRedo());
    history.Undo();
    history.Undo();
    history.Record("other", states[1], State("c", false, ""));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(Same(history.Undo(), states[1]));
}

TEST(TableHistoryTest, KeepsTheNewestStepsOnly) {
    TableHistory history(3);
    for (int i = 0; i < 5; ++i)
        history.Record("", State(std::to_string(i), false, ""), State("", false, ""));
    EXPECT_EQ(history.Count(), 3u);
    HistoryState oldest;
    while (history.CanUndo()) oldest = history.Undo();
    EXPECT_EQ(oldest.table.At(2, 3).strContent, "2");
}

// A full table of long cells changed 250 times in its options shares every
// cell; an edited cell adds one.
TEST(TableHistoryTest, StepsShareTheCellsTheyHaveInCommon) {
    HistoryState state;
    InitTableState(state.table);
    state.table.intNumRows = state.table.intNumCols = 20;
    for (int r = 1; r <= 20; ++r)
        for (int c = 1; c <= 20; ++c) state.table.At(r, c).strContent = std::string(2048, 'x');
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
}

}  // namespace
}  // namespace tabloom
