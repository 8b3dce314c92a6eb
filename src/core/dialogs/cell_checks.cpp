#include "core/dialogs/cell_checks.h"

#include "core/model/colour.h"
#include "core/model/table_spec.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

// True for a byte that continues a UTF-8 sequence.
bool Continues(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool InRange(std::string_view text, double low, double high) {
    const double v = LeadingNumber(text);
    return v >= low && v <= high;
}

}  // namespace

std::string CheckCellWidth(std::string_view text, bool percent) {
    if (text.empty()) return {};
    if (percent) {
        return InRange(text, 1, 100) ? "" : " Width in percent must be in the range 1 through 100.";
    }
    return InRange(text, 10, 1000) ? "" : " Width in pixels must be in the range 10 through 1000.";
}

std::string CheckCellHeight(std::string_view text) {
    if (text.empty() || InRange(text, 10, 1000)) return {};
    return " Height in pixels must be in the range 10 through 1000.";
}

std::size_t ContentLength(std::string_view utf8) {
    std::size_t n = 0;
    for (char byte : utf8) n += Continues(byte) ? 0 : 1;
    return n;
}

std::size_t FittingPrefix(std::string_view inserted, std::size_t others) {
    std::size_t room = others < kMaxCellContent ? kMaxCellContent - others : 0;
    std::size_t i = 0;
    while (i < inserted.size()) {
        // A line break goes in whole or not at all.
        const std::size_t width = inserted.compare(i, 2, "\r\n") == 0 ? 2 : 1;
        if (width > room) break;
        room -= width;
        i += width;
        while (i < inserted.size() && Continues(inserted[i])) ++i;
    }
    return i;
}

std::string OverlapMessage(int overlapRow, int overlapCol) {
    return "Proposed cell size is inadmissible because the resulting cell would overlap with the "
           "cell at row" +
           StringOf(overlapRow) + " column" + StringOf(overlapCol) + ".";
}

std::string KeepSignedDigits(std::string_view text, bool minusAllowed) {
    std::string kept;
    bool digit = false;
    bool plus = false;
    bool minus = false;
    for (char ch : text) {
        if (ch == '+') {
            if (digit || plus) continue;
            plus = true;
        } else if (ch == '-') {
            if (!minusAllowed || digit || minus) continue;
            minus = true;
        } else if (ch >= '0' && ch <= '9') {
            digit = true;
        } else {
            continue;
        }
        kept += ch;
    }
    return kept;
}

bool FontSizeOK(std::string_view text) {
    if (text.empty()) return false;
    const char c = text.front();
    if (c != '+' && c != '-') {
        if (c < '1' || c > '7') return false;
        const double n = RoundHalfEven(LeadingNumber(text));
        return n >= 1 && n <= 7;
    }
    const std::string_view step = text.substr(1);
    // A second sign reads as part of the number but means nothing to a browser.
    if (!step.empty() && (step.front() == '+' || step.front() == '-')) return false;
    const double n = RoundHalfEven(LeadingNumber(step));
    return n >= 0 && n <= 6;
}

std::string FontSizeMessage() {
    return "The proposed font size is inadmissible.\r\n"
           "\r\n"
           "The specification of font size in HTML tables must be \r\n"
           "an integer value from 1 (smallest) through 7 (largest) or a value \r\n"
           "relative to the current font size, such as '+2' or '-1'.\r\n"
           "\r\n"
           "Note that font size is NOT a number of pixels.\r\n"
           "The pixel size is set by the web browser.";
}

std::string CheckFontSize(std::string_view text) {
    if (text.empty()) return {};
    if (KeepSignedDigits(text, true) != text || !FontSizeOK(text)) return FontSizeMessage();
    return {};
}

std::string CleanFontFace(std::string_view text) {
    std::string face;
    for (char ch : text) {
        if (ch != '"') face += ch;
    }
    // Quotes gone first, so blanks they enclosed at the ends go too.
    return TrimBlanks(face);
}

std::string CellHeading(int row, int col) {
    return "Specify size, font, content, alignment, width, height and colors of cell at row " +
           NumOf(row) + " column " + NumOf(col);
}

std::string CellColorsHeading(int row, int col) {
    return "Colors for cell at row" + StringOf(row) + " column" + StringOf(col);
}

CellColourView CellColourViewFor(bool useCellColours, std::int32_t cellText, std::int32_t cellBg,
                                 std::int32_t tableText, std::int32_t tableBg,
                                 bool useSpecifiedTableColours) {
    CellColourView view;
    view.specifyEnabled = useCellColours;
    view.textColour = tableText;
    view.backgroundColour = tableBg;
    if (useCellColours && cellText != NotSpecifiedColor) {
        view.textLabel = ColorToHex(cellText);
        view.textColour = cellText;
        // A text colour without a background of its own shows on the table's.
        if (cellBg != NotSpecifiedColor) {
            view.backgroundLabel = ColorToHex(cellBg);
            view.backgroundColour = cellBg;
        } else {
            view.backgroundLabel = "table default";
        }
    } else {
        const char* label =
            useCellColours || useSpecifiedTableColours ? "table default" : "page default";
        view.textLabel = label;
        view.backgroundLabel = label;
    }
    return view;
}

}  // namespace tabloom
