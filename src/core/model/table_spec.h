#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <tuple>

namespace tabloom {

inline constexpr std::int32_t NotSpecifiedColor = 0x7FFFFFFF;
inline constexpr std::int16_t intMaxRows = 20;
inline constexpr std::int16_t intMaxCols = 20;
// The longest cell content, in characters (code points).
inline constexpr int intMaxContentLength = 2048;
// The longest caption, in characters (code points).
inline constexpr int intMaxCaptionLength = 1024;
// The longest language tag, as BCP 47 allows.
inline constexpr int intMaxLangLength = 35;

// How the HTML code is written: Classic is the markup Tabloom always wrote,
// kept byte for byte; Standard follows the HTML Living Standard with CSS.
enum class OutputStyle : std::int16_t { Classic = 0, Standard = 1 };

// The HTML words written for the alignment and border indexes.
inline constexpr std::array<const char*, 4> strAlignName = {" ", "left", "center", "right"};
inline constexpr std::array<const char*, 4> strVAlignName = {" ", "top", "middle", "bottom"};
inline constexpr std::array<const char*, 7> strBorderColorName = {"gray", "white",  "blue", "green",
                                                                  "red",  "yellow", "black"};
inline constexpr std::array<const char*, 10> strBorderStyleName = {
    "inset", "outset", "solid", "dashed", "dotted", "double", "ridge", "groove", "hidden", "none"};

// The largest index each name table takes; 0 is the first entry.
inline constexpr std::int16_t intMaxAlign = static_cast<std::int16_t>(strAlignName.size() - 1);
inline constexpr std::int16_t intMaxVAlign = static_cast<std::int16_t>(strVAlignName.size() - 1);
inline constexpr std::int16_t intMaxBorderColorIndex =
    static_cast<std::int16_t>(strBorderColorName.size() - 1);
inline constexpr std::int16_t intMaxBorderStyleIndex =
    static_cast<std::int16_t>(strBorderStyleName.size() - 1);

// One grid position. Texts are UTF-8; content lines are separated by CR LF.
// The member initialisers are the values of an empty cell.
struct CellSpec {
    std::int16_t intRowSpan = 1;  // 0 when covered by another cell's span
    std::int16_t intColSpan = 1;
    std::int32_t lngTextColor = NotSpecifiedColor;
    std::int32_t lngBgColor = NotSpecifiedColor;
    std::string strContent;
    // The rectangle last drawn for the cell; never stored or written.
    std::int16_t intTop = 0;
    std::int16_t intLeft = 0;
    std::int16_t intBottom = 0;
    std::int16_t intRight = 0;
    std::int16_t intOwnerRow = 0;
    std::int16_t intOwnerCol = 0;
    std::int16_t intAlign = 0;
    std::int16_t intVAlign = 0;
    std::int16_t intWidth = -1;
    std::int16_t intWidthUnit = 1;  // 0 percent, 1 pixels
    std::string strFontFace;
    std::string strFontSize;
    std::int16_t intHeight = -1;
    std::int16_t intHeightUnit = 1;

    // Every stored field, that is all but the drawn rectangle.
    auto StoredFields() const {
        return std::tie(intRowSpan, intColSpan, lngTextColor, lngBgColor, strContent, intOwnerRow,
                        intOwnerCol, intAlign, intVAlign, intWidth, intWidthUnit, strFontFace,
                        strFontSize, intHeight, intHeightUnit);
    }
    bool SameSpec(const CellSpec& other) const { return StoredFields() == other.StoredFields(); }
};

// The table-level options: everything of a table but its cells.
struct TableOptions {
    std::int16_t intNumRows = 6;
    std::int16_t intNumCols = 6;
    std::int16_t intTableWidth = -1;
    std::int16_t intTableWidthUnit = 1;
    std::int16_t intBorder = 4;
    std::int16_t intCellPadding = 4;
    std::int16_t intCellSpacing = 4;
    std::int16_t intBorderColorIndex = 0;
    std::int16_t intBorderStyleIndex = 2;
    std::int32_t lngTableTextColor = 0x000000;
    std::int32_t lngTableBgColor = 0xFFFFFF;
    bool blnAddHTMLWrapper = false;
    bool blnCenterTable = false;
    bool blnAddPlaceMarkers = false;
    bool blnUseSpecifiedColors = true;
    // Settings of the table file's extension block; their defaults write no block.
    OutputStyle outputStyle = OutputStyle::Classic;
    std::string strLang;  // empty: the primary language of the user's locale
    std::int16_t intHeaderRows = 0;
    std::int16_t intHeaderCols = 0;
    std::string strCaption;  // UTF-8, one line, at most intMaxCaptionLength characters

    auto TableFields() const {
        return std::tie(intNumRows, intNumCols, intTableWidth, intTableWidthUnit, intBorder,
                        intCellPadding, intCellSpacing, intBorderColorIndex, intBorderStyleIndex,
                        lngTableTextColor, lngTableBgColor, blnAddHTMLWrapper, blnCenterTable,
                        blnAddPlaceMarkers, blnUseSpecifiedColors, outputStyle, strLang,
                        intHeaderRows, intHeaderCols, strCaption);
    }
};

// The whole table: the table-level options and the full 21 x 21 grid, of
// which rows and columns 1..20 are used.
struct TableSpec : TableOptions {
    std::array<std::array<CellSpec, intMaxCols + 1>, intMaxRows + 1> Cell;

    TableSpec();

    CellSpec& At(int row, int col) { return Cell[row][col]; }
    const CellSpec& At(int row, int col) const { return Cell[row][col]; }

    // Table-level fields and the cells inside the current dimensions equal.
    bool SameSpec(const TableSpec& other) const;
};

// Gives the cell at (row, col) its reset values; the drawn rectangle stays.
void ResetCell(TableSpec& table, std::int16_t row, std::int16_t col);

// Empties the table: black on white, 6 x 6, every cell of 1..20 reset, no
// header rows or columns and no caption. Frame settings, border indexes, the
// on/off options, the output style and the language stay.
void NewTable(TableSpec& table);

// Resets positions outside the current dimensions and cuts spans and the
// header rows and columns back to fit.
void AdjustCellsToDimensions(TableSpec& table);

// The program-start values of the table: frame values, colours, border
// indexes, options off; then NewTable.
void InitTableState(TableSpec& table);

}  // namespace tabloom
