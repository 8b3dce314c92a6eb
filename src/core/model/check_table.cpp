#include "core/model/check_table.h"

#include <array>
#include <cstdint>

namespace tabloom {

namespace {

TableOffence Offence(int row, int col, std::string what, const char* field) {
    return TableOffence{row, col, std::move(what), field};
}

// A font size is stored bare: no comma or line end inside, and no leading
// space or quote, which the reader would skip or take as a quoted form.
bool StorableBare(std::string_view text) {
    if (text.find_first_of(",\r\n") != std::string_view::npos) return false;
    return text.empty() || (text[0] != ' ' && text[0] != '"');
}

std::optional<TableOffence> CheckOneCell(const CellSpec& cell, int r, int c, int rows, int cols) {
    if (cell.intAlign < 0 || cell.intAlign > intMaxAlign) {
        return Offence(r, c, "number out of range", "intAlign");
    }
    if (cell.intVAlign < 0 || cell.intVAlign > intMaxVAlign) {
        return Offence(r, c, "number out of range", "intVAlign");
    }
    if (HoldsControlCharacter(cell.strFontFace)) {
        return Offence(r, c, "control character", "strFontFace");
    }
    if (!StorableBare(cell.strFontSize)) {
        return Offence(r, c, "text not storable", "strFontSize");
    }
    if (HoldsControlCharacter(cell.strFontSize)) {
        return Offence(r, c, "control character", "strFontSize");
    }
    if (cell.intRowSpan < 0) return Offence(r, c, "negative span", "intRowSpan");
    if (cell.intColSpan < 0) return Offence(r, c, "negative span", "intColSpan");
    if ((cell.intRowSpan == 0) != (cell.intColSpan == 0)) {
        return Offence(r, c, "span of 0 on one axis only",
                       cell.intRowSpan == 0 ? "intRowSpan" : "intColSpan");
    }
    if (cell.intRowSpan == 0) return std::nullopt;
    if (cell.intOwnerRow != r || cell.intOwnerCol != c) {
        return Offence(r, c, "anchor does not own itself",
                       cell.intOwnerRow != r ? "intOwnerRow" : "intOwnerCol");
    }
    if (r + cell.intRowSpan - 1 > rows) return Offence(r, c, "span leaves the table", "intRowSpan");
    if (c + cell.intColSpan - 1 > cols) return Offence(r, c, "span leaves the table", "intColSpan");
    return std::nullopt;
}

// Each position of a block is claimed by its anchor; a second claim or an
// anchor inside another block is an overlap. Runs on cells that passed
// CheckOneCell, so every block lies inside the table.
std::optional<TableOffence> CheckBlocks(const TableSpec& t) {
    const int rows = t.intNumRows;
    const int cols = t.intNumCols;
    std::array<std::array<std::int16_t, intMaxCols + 1>, intMaxRows + 1> claim{};
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan == 0) continue;
            for (int i = r; i < r + cell.intRowSpan; ++i) {
                for (int j = c; j < c + cell.intColSpan; ++j) {
                    const bool anchorElsewhere = (i != r || j != c) && t.At(i, j).intRowSpan != 0;
                    if (claim[i][j] != 0 || anchorElsewhere) {
                        return Offence(r, c,
                                       "span overlaps the cell at row " + std::to_string(i) +
                                           ", column " + std::to_string(j),
                                       "intRowSpan");
                    }
                    claim[i][j] = static_cast<std::int16_t>(r * 32 + c);
                }
            }
        }
    }
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan != 0) continue;
            if (claim[r][c] == 0) return Offence(r, c, "covered by no span", "intRowSpan");
            const int ownerRow = claim[r][c] / 32;
            const int ownerCol = claim[r][c] % 32;
            if (cell.intOwnerRow != ownerRow || cell.intOwnerCol != ownerCol) {
                return Offence(r, c, "owner is not the cell whose span covers it",
                               cell.intOwnerRow != ownerRow ? "intOwnerRow" : "intOwnerCol");
            }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TableOffence> FindTableOffence(const TableSpec& t) {
    if (t.intNumRows < 1 || t.intNumRows > intMaxRows) {
        return Offence(0, 0, "number out of range", "intNumRows");
    }
    if (t.intNumCols < 1 || t.intNumCols > intMaxCols) {
        return Offence(0, 0, "number out of range", "intNumCols");
    }
    if (t.intBorderColorIndex < 0 || t.intBorderColorIndex > intMaxBorderColorIndex) {
        return Offence(0, 0, "number out of range", "intBorderColorIndex");
    }
    if (t.intBorderStyleIndex < 0 || t.intBorderStyleIndex > intMaxBorderStyleIndex) {
        return Offence(0, 0, "number out of range", "intBorderStyleIndex");
    }
    if (t.outputStyle != OutputStyle::Classic && t.outputStyle != OutputStyle::Standard) {
        return Offence(0, 0, "number out of range", "outputStyle");
    }
    if (!IsLanguageTag(t.strLang)) return Offence(0, 0, "not a language tag", "strLang");
    if (t.intHeaderRows < 0 || t.intHeaderRows > t.intNumRows) {
        return Offence(0, 0, "number out of range", "intHeaderRows");
    }
    if (t.intHeaderCols < 0 || t.intHeaderCols > t.intNumCols) {
        return Offence(0, 0, "number out of range", "intHeaderCols");
    }
    if (HoldsControlCharacter(t.strCaption)) {
        return Offence(0, 0, "control character", "strCaption");
    }
    if (CountCodePoints(t.strCaption) > intMaxCaptionLength) {
        return Offence(0, 0, "text too long", "strCaption");
    }
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            auto offence = CheckOneCell(t.At(r, c), r, c, t.intNumRows, t.intNumCols);
            if (offence) return offence;
        }
    }
    return CheckBlocks(t);
}

std::string DescribeOffence(const TableOffence& offence) {
    std::string text = offence.row == 0 ? std::string("table")
                                        : "row " + std::to_string(offence.row) + ", column " +
                                              std::to_string(offence.col);
    text += ": ";
    text += offence.what;
    text += " for ";
    text += offence.field;
    return text;
}

std::string CheckTable(const TableSpec& table) {
    const auto offence = FindTableOffence(table);
    return offence ? DescribeOffence(*offence) : std::string();
}

bool IsLanguageTag(std::string_view tag) {
    if (tag.size() > static_cast<std::size_t>(intMaxLangLength)) return false;
    std::size_t part = 0;  // length of the current subtag
    bool primary = true;   // the first subtag takes letters only
    for (const char ch : tag) {
        const bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        const bool digit = ch >= '0' && ch <= '9';
        if (ch == '-') {
            if (part == 0) return false;
            part = 0;
            primary = false;
        } else if (!(letter || (digit && !primary)) || ++part > 8) {
            return false;
        }
    }
    return tag.empty() || part > 0;
}

std::size_t CountCodePoints(std::string_view utf8) {
    std::size_t count = 0;
    for (const char ch : utf8) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
    }
    return count;
}

bool HoldsControlCharacter(std::string_view text) {
    for (const char ch : text) {
        if (static_cast<unsigned char>(ch) < 0x20) return true;
    }
    return false;
}

}  // namespace tabloom
