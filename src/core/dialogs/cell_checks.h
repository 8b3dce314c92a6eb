#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabloom {

// Checks and texts of the cell dialog. Texts handed in are already trimmed;
// each check returns the message to show, empty when the value is fine.

inline constexpr const char* kInadmissibleTitle = "Inadmissible input";

// An empty box is fine; otherwise its leading number must lie in 1..100
// percent or 10..1000 pixels.
std::string CheckCellWidth(std::string_view text, bool percent);
std::string CheckCellHeight(std::string_view text);

// The most characters a cell's content holds.
inline constexpr std::size_t kMaxCellContent = 2048;

// Characters of UTF-8 text as the user sees them: code points, not bytes;
// a line break held as CR LF counts as two.
std::size_t ContentLength(std::string_view utf8);

// The bytes of the longest leading part of inserted (UTF-8, whole
// characters) that fits beside others characters already in the content
// box, within kMaxCellContent.
std::size_t FittingPrefix(std::string_view inserted, std::size_t others);

// The message that names the cell a refused span would overlap.
std::string OverlapMessage(int overlapRow, int overlapCol);

// The text without the characters a font size cannot hold: signs only
// before the first digit (one of each, the minus only when allowed), digits,
// nothing else.
std::string KeepSignedDigits(std::string_view text, bool minusAllowed);

// An absolute size 1..7, or a sign and a step of 0..6 ("+2", "-1", "+").
bool FontSizeOK(std::string_view text);

// Both stages of the font size check, with the message for a refusal.
std::string CheckFontSize(std::string_view text);
std::string FontSizeMessage();

// The face without double quotes and without blanks at its ends.
std::string CleanFontFace(std::string_view text);

// The dialog's heading and the chooser's heading for a cell.
std::string CellHeading(int row, int col);
std::string CellColorsHeading(int row, int col);

// What the colour labels and the content box show for the state of the
// "use specified colours" box and the colours handed to the dialog.
struct CellColourView {
    std::string textLabel;
    std::string backgroundLabel;
    std::int32_t textColour = 0;
    std::int32_t backgroundColour = 0;
    bool specifyEnabled = false;
};
CellColourView CellColourViewFor(bool useCellColours, std::int32_t cellText, std::int32_t cellBg,
                                 std::int32_t tableText, std::int32_t tableBg,
                                 bool useSpecifiedTableColours);

}  // namespace tabloom
