#include "core/storage/table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/encoding/windows1252.h"
#include "core/model/text_helpers.h"
#include "core/storage/atomic_file.h"
#include "core/storage/field_reader.h"
#include "core/storage/file_text.h"

namespace tabloom {

namespace {

constexpr unsigned char kQuote = 34;
constexpr unsigned char kQuoteStandIn = 253;
// Far above any table the program can make; guards against reading a huge
// unrelated file into memory.
constexpr std::size_t kMaxTableFileSize = 64u << 20;

// The lines on which the checked fields of one cell began.
struct CellLines {
    int spans = 0;
    int owner = 0;
    int align = 0;
    int fontSize = 0;
};

enum class Where { kSpans, kOwner, kAlign, kFontSize };

std::string Describe(const std::string& place, std::string_view what, std::string_view field) {
    std::string text = place;
    text += ": ";
    text += what;
    text += " for ";
    text += field;
    return text;
}

// A bare field reads back as itself: no comma or line end inside, and no
// leading space or quote (the reader would skip or take them as a quoted form).
bool StorableBare(std::string_view text) {
    if (text.find_first_of(",\r\n") != std::string_view::npos) return false;
    return text.empty() || (text[0] != ' ' && text[0] != '"');
}

// Checks the cells of a rows x cols table so that the grid can index and draw
// it: spans and owners form non-overlapping blocks inside the table, and the
// indexes fit their name tables. place(row, col, where) names the position
// in the message. Returns the first problem, empty when there is none.
template <class CellFn, class PlaceFn>
std::string CheckCells(int rows, int cols, CellFn cellAt, PlaceFn place) {
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = cellAt(r, c);
            if (cell.intAlign < 0 || cell.intAlign > 3) {
                return Describe(place(r, c, Where::kAlign), "number out of range", "intAlign");
            }
            if (cell.intVAlign < 0 || cell.intVAlign > 3) {
                return Describe(place(r, c, Where::kAlign), "number out of range", "intVAlign");
            }
            if (!StorableBare(cell.strFontSize)) {
                return Describe(place(r, c, Where::kFontSize), "text not storable", "strFontSize");
            }
            if (cell.intRowSpan < 0) {
                return Describe(place(r, c, Where::kSpans), "negative span", "intRowSpan");
            }
            if (cell.intColSpan < 0) {
                return Describe(place(r, c, Where::kSpans), "negative span", "intColSpan");
            }
            if ((cell.intRowSpan == 0) != (cell.intColSpan == 0)) {
                return Describe(place(r, c, Where::kSpans), "span of 0 on one axis only",
                                cell.intRowSpan == 0 ? "intRowSpan" : "intColSpan");
            }
            if (cell.intRowSpan == 0) continue;
            if (cell.intOwnerRow != r || cell.intOwnerCol != c) {
                return Describe(place(r, c, Where::kOwner), "anchor does not own itself",
                                cell.intOwnerRow != r ? "intOwnerRow" : "intOwnerCol");
            }
            if (r + cell.intRowSpan - 1 > rows) {
                return Describe(place(r, c, Where::kSpans), "span leaves the table", "intRowSpan");
            }
            if (c + cell.intColSpan - 1 > cols) {
                return Describe(place(r, c, Where::kSpans), "span leaves the table", "intColSpan");
            }
        }
    }

    // Each position of a block is claimed by its anchor; a second claim or an
    // anchor inside another block is an overlap.
    std::array<std::array<std::int16_t, intMaxCols + 1>, intMaxRows + 1> claim{};
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = cellAt(r, c);
            if (cell.intRowSpan == 0) continue;
            for (int i = r; i < r + cell.intRowSpan; ++i) {
                for (int j = c; j < c + cell.intColSpan; ++j) {
                    const bool anchorElsewhere = (i != r || j != c) && cellAt(i, j).intRowSpan != 0;
                    if (claim[i][j] != 0 || anchorElsewhere) {
                        return Describe(place(r, c, Where::kSpans),
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
            const CellSpec& cell = cellAt(r, c);
            if (cell.intRowSpan != 0) continue;
            if (claim[r][c] == 0) {
                return Describe(place(r, c, Where::kSpans), "covered by no span", "intRowSpan");
            }
            const int ownerRow = claim[r][c] / 32;
            const int ownerCol = claim[r][c] % 32;
            if (cell.intOwnerRow != ownerRow || cell.intOwnerCol != ownerCol) {
                return Describe(place(r, c, Where::kOwner),
                                "owner is not the cell whose span covers it",
                                cell.intOwnerRow != ownerRow ? "intOwnerRow" : "intOwnerCol");
            }
        }
    }
    return {};
}

void AppendNumber(std::string& out, long long n) {
    if (n >= 0) out.push_back(' ');
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    out.append(digits.data(), end);
    out.push_back(' ');
}

void EndLine(std::string& out) { out += "\r\n"; }

void AppendQuoted(std::string& out, std::string_view utf8) {
    out.push_back('"');
    const std::size_t start = out.size();
    AppendWindows1252(out, utf8);
    for (std::size_t i = start; i < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) == kQuote) out[i] = static_cast<char>(kQuoteStandIn);
    }
    out.push_back('"');
    EndLine(out);
}

// The writer turns path characters outside the code page into "&#N;"; a path
// must survive that, so the reader turns exactly those references back.
std::string DecodeForeignReferences(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        if (utf8.compare(i, 2, "&#") == 0) {
            std::size_t j = i + 2;
            std::uint32_t cp = 0;
            while (j < utf8.size() && j - i < 10 && utf8[j] >= '0' && utf8[j] <= '9') {
                cp = cp * 10 + static_cast<std::uint32_t>(utf8[j] - '0');
                ++j;
            }
            if (j > i + 2 && j < utf8.size() && utf8[j] == ';' && cp > 0 && cp <= 0x10FFFF &&
                (cp < 0xD800 || cp > 0xDFFF)) {
                std::string ch;
                AppendUtf8(ch, cp);
                if (EncodeWindows1252(ch).size() > 1) {
                    out += ch;
                    i = j + 1;
                    continue;
                }
            }
        }
        out.push_back(utf8[i++]);
    }
    return out;
}

std::string CellPlace(int r, int c) {
    return "cell (" + std::to_string(r) + ", " + std::to_string(c) + ")";
}

std::string CheckStorable(const TableSpec& t, std::string_view outputPath) {
    if (t.intNumRows < 1 || t.intNumRows > intMaxRows) {
        return Describe("table", "number out of range", "intNumRows");
    }
    if (t.intNumCols < 1 || t.intNumCols > intMaxCols) {
        return Describe("table", "number out of range", "intNumCols");
    }
    if (t.intBorderColorIndex < 0 || t.intBorderColorIndex > 6) {
        return Describe("table", "number out of range", "intBorderColorIndex");
    }
    if (t.intBorderStyleIndex < 0 || t.intBorderStyleIndex > 9) {
        return Describe("table", "number out of range", "intBorderStyleIndex");
    }
    if (outputPath.find_first_of("\r\n") != std::string_view::npos) {
        return Describe("table", "line break not storable", "txbOutputFile");
    }
    return CheckCells(
        t.intNumRows, t.intNumCols, [&](int r, int c) -> const CellSpec& { return t.At(r, c); },
        [](int r, int c, Where) { return CellPlace(r, c); });
}

void CopyStoredFields(const CellSpec& from, CellSpec& to) {
    to.intRowSpan = from.intRowSpan;
    to.intColSpan = from.intColSpan;
    to.lngTextColor = from.lngTextColor;
    to.lngBgColor = from.lngBgColor;
    to.strContent = from.strContent;
    to.intOwnerRow = from.intOwnerRow;
    to.intOwnerCol = from.intOwnerCol;
    to.intAlign = from.intAlign;
    to.intVAlign = from.intVAlign;
    to.intWidth = from.intWidth;
    to.intWidthUnit = from.intWidthUnit;
    to.strFontFace = from.strFontFace;
    to.strFontSize = from.strFontSize;
    to.intHeight = from.intHeight;
    to.intHeightUnit = from.intHeightUnit;
}

// Reads a 16-bit field that must also lie within min..max.
bool ReadRanged(FieldReader& in, std::string_view field, int min, int max, std::int16_t& value) {
    if (!in.ReadInt16(field, value)) return false;
    if (value < min || value > max) return in.Fail(in.FieldLine(), "number out of range", field);
    return true;
}

// Reads a quoted-string field whose byte 253 stands for a double quote.
bool ReadQuotedText(FieldReader& in, std::string_view field, std::string& value) {
    std::string_view bytes;
    bool quoted = false;
    if (!in.ReadString(field, bytes, quoted)) return false;
    if (IsAscii(bytes)) {
        value.assign(bytes);
        return true;
    }
    std::string copy(bytes);
    ReplaceChar(copy, kQuoteStandIn, kQuote);
    value = DecodeWindows1252(copy);
    return true;
}

bool ParseCell(FieldReader& in, CellSpec& cell, CellLines& lines) {
    if (!in.ReadInt16("intRowSpan", cell.intRowSpan)) return false;
    lines.spans = in.FieldLine();
    if (!in.ReadInt16("intColSpan", cell.intColSpan)) return false;
    if (!in.ReadInt32("lngTextColor", cell.lngTextColor)) return false;
    if (!in.ReadInt32("lngBgColor", cell.lngBgColor)) return false;
    if (!in.ReadInt16("intOwnerRow", cell.intOwnerRow)) return false;
    lines.owner = in.FieldLine();
    if (!in.ReadInt16("intOwnerCol", cell.intOwnerCol)) return false;
    if (!in.ReadInt16("intAlign", cell.intAlign)) return false;
    lines.align = in.FieldLine();
    if (!in.ReadInt16("intVAlign", cell.intVAlign)) return false;
    if (!in.ReadInt16("intWidth", cell.intWidth)) return false;
    if (!in.ReadInt16("intWidthUnit", cell.intWidthUnit)) return false;
    if (!in.ReadInt16("intHeight", cell.intHeight)) return false;
    if (!in.ReadInt16("intHeightUnit", cell.intHeightUnit)) return false;
    if (!ReadQuotedText(in, "strContent", cell.strContent)) return false;
    if (!ReadQuotedText(in, "strFontFace", cell.strFontFace)) return false;
    std::string_view size;
    bool quoted = false;
    if (!in.ReadString("strFontSize", size, quoted)) return false;
    lines.fontSize = in.FieldLine();
    cell.strFontSize = DecodedWindows1252(size);
    return true;
}

}  // namespace

bool FormatTable(const TableSpec& t, std::string_view outputPath, std::string& bytes,
                 std::string& reason) {
    reason = CheckStorable(t, outputPath);
    if (!reason.empty()) return false;
    bytes.clear();
    bytes.reserve(128 + static_cast<std::size_t>(t.intNumRows * t.intNumCols) * 80);

    AppendNumber(bytes, t.blnAddHTMLWrapper ? 1 : 0);
    AppendNumber(bytes, t.blnCenterTable ? 1 : 0);
    AppendNumber(bytes, t.blnAddPlaceMarkers ? 1 : 0);
    EndLine(bytes);
    AppendNumber(bytes, t.intNumRows);
    AppendNumber(bytes, t.intNumCols);
    EndLine(bytes);
    for (const std::int16_t n :
         {t.intTableWidth, t.intTableWidthUnit, t.intBorder, t.intCellPadding, t.intCellSpacing}) {
        AppendNumber(bytes, n);
    }
    EndLine(bytes);
    AppendNumber(bytes, t.lngTableTextColor);
    AppendNumber(bytes, t.lngTableBgColor);
    AppendNumber(bytes, t.intBorderColorIndex);
    AppendNumber(bytes, t.intBorderStyleIndex);
    EndLine(bytes);

    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            AppendNumber(bytes, cell.intRowSpan);
            AppendNumber(bytes, cell.intColSpan);
            EndLine(bytes);
            AppendNumber(bytes, cell.lngTextColor);
            AppendNumber(bytes, cell.lngBgColor);
            EndLine(bytes);
            AppendNumber(bytes, cell.intOwnerRow);
            AppendNumber(bytes, cell.intOwnerCol);
            EndLine(bytes);
            for (const std::int16_t n : {cell.intAlign, cell.intVAlign, cell.intWidth,
                                         cell.intWidthUnit, cell.intHeight, cell.intHeightUnit}) {
                AppendNumber(bytes, n);
            }
            EndLine(bytes);
            AppendQuoted(bytes, cell.strContent);
            AppendQuoted(bytes, cell.strFontFace);
            AppendWindows1252(bytes, cell.strFontSize);
            EndLine(bytes);
        }
    }
    AppendWindows1252(bytes, outputPath);
    EndLine(bytes);
    return true;
}

TableLoadResult ParseTable(std::string_view bytes) {
    TableLoadResult result;
    LoadedTable& d = result.data;
    FieldReader in(bytes);
    auto refuse = [&](std::string reason) {
        result.reason = std::move(reason);
        result.data = LoadedTable{};
        return result;
    };

    if (!ReadRanged(in, "chkAddHTMLWrapper4", 0, 2, d.chkAddHTMLWrapper4) ||
        !ReadRanged(in, "chkCenterTable4", 0, 2, d.chkCenterTable4) ||
        !ReadRanged(in, "chkAddPlaceMarkers", 0, 2, d.chkAddPlaceMarkers) ||
        !ReadRanged(in, "intNumRows", 1, intMaxRows, d.intNumRows) ||
        !ReadRanged(in, "intNumCols", 1, intMaxCols, d.intNumCols) ||
        !in.ReadInt16("intTableWidth", d.intTableWidth) ||
        !in.ReadInt16("intTableWidthUnit", d.intTableWidthUnit) ||
        !in.ReadInt16("intBorder", d.intBorder) ||
        !in.ReadInt16("intCellPadding", d.intCellPadding) ||
        !in.ReadInt16("intCellSpacing", d.intCellSpacing) ||
        !in.ReadInt32("lngTableTextColor", d.lngTableTextColor) ||
        !in.ReadInt32("lngTableBgColor", d.lngTableBgColor) ||
        !ReadRanged(in, "intBorderColorIndex", 0, 6, d.intBorderColorIndex) ||
        !ReadRanged(in, "intBorderStyleIndex", 0, 9, d.intBorderStyleIndex)) {
        return refuse(in.Error());
    }

    const std::size_t count = static_cast<std::size_t>(d.intNumRows * d.intNumCols);
    d.cells.resize(count);
    std::vector<CellLines> lines(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!ParseCell(in, d.cells[i], lines[i])) return refuse(in.Error());
    }

    // The last line is taken whole, so that a comma in the path survives.
    std::string_view path;
    if (!in.ReadRestOfLine("txbOutputFile", path)) return refuse(in.Error());
    d.strOutputFile = DecodeForeignReferences(DecodeWindows1252(TrimBlanks(path)));

    const int cols = d.intNumCols;
    std::string problem = CheckCells(
        d.intNumRows, cols, [&](int r, int c) -> const CellSpec& { return d.CellAt(r, c); },
        [&](int r, int c, Where where) {
            const CellLines& at = lines[static_cast<std::size_t>((r - 1) * cols + (c - 1))];
            const int line = where == Where::kSpans   ? at.spans
                             : where == Where::kOwner ? at.owner
                             : where == Where::kAlign ? at.align
                                                      : at.fontSize;
            return "line " + std::to_string(line);
        });
    if (!problem.empty()) return refuse(std::move(problem));
    result.ok = true;
    return result;
}

TableLoadResult LoadTable(const std::string& file) {
    TableLoadResult result;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.reason = "cannot open " + file + ": " + std::strerror(errno);
        return result;
    }
    struct stat st {};
    std::string bytes;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result.reason = file + ": not a regular file";
    } else if (static_cast<std::size_t>(st.st_size) > kMaxTableFileSize) {
        result.reason = file + ": file too large";
    } else {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t done = 0;
        while (result.reason.empty()) {
            if (done == bytes.size()) bytes.resize(done + 4096);  // the file grew meanwhile
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                result.reason = "cannot read " + file + ": " + std::strerror(errno);
            } else if (n == 0) {
                break;
            } else {
                done += static_cast<std::size_t>(n);
                if (done > kMaxTableFileSize) result.reason = file + ": file too large";
            }
        }
        bytes.resize(done);
    }
    ::close(fd);
    if (!result.reason.empty()) return result;
    return ParseTable(bytes);
}

bool SaveTable(const TableSpec& table, const std::string& outputPath, const std::string& file) {
    return SaveTable(table, outputPath, file, SaveOptions{}, nullptr);
}

bool SaveTable(const TableSpec& table, const std::string& outputPath, const std::string& file,
               const SaveOptions& options, std::string* reason) {
    std::string bytes;
    std::string problem;
    if (FormatTable(table, outputPath, bytes, problem)) {
        WriteFileAtomically(file, bytes, options.byteBudget, problem);
    }
    if (reason != nullptr) *reason = problem;
    return problem.empty();
}

std::string ApplyLoadedTable(const LoadedTable& loaded, TableSpec& table) {
    // Only a checked file is applied; anything else leaves the table alone.
    if (loaded.intNumRows < 1 || loaded.intNumRows > intMaxRows || loaded.intNumCols < 1 ||
        loaded.intNumCols > intMaxCols ||
        loaded.cells.size() != static_cast<std::size_t>(loaded.intNumRows * loaded.intNumCols)) {
        return {};
    }
    table.blnAddHTMLWrapper = loaded.chkAddHTMLWrapper4 == 1;
    table.blnCenterTable = loaded.chkCenterTable4 == 1;
    table.blnAddPlaceMarkers = loaded.chkAddPlaceMarkers == 1;

    table.intNumRows = loaded.intNumRows;
    table.intNumCols = loaded.intNumCols;
    AdjustCellsToDimensions(table);

    table.intTableWidth = loaded.intTableWidth;
    table.intTableWidthUnit = loaded.intTableWidthUnit;
    table.intBorder = loaded.intBorder;
    table.intCellPadding = loaded.intCellPadding;
    table.intCellSpacing = loaded.intCellSpacing;
    table.lngTableTextColor = loaded.lngTableTextColor;
    table.lngTableBgColor = loaded.lngTableBgColor;
    table.intBorderColorIndex = loaded.intBorderColorIndex;
    table.intBorderStyleIndex = loaded.intBorderStyleIndex;

    for (int r = 1; r <= loaded.intNumRows; ++r) {
        for (int c = 1; c <= loaded.intNumCols; ++c) {
            CopyStoredFields(loaded.CellAt(r, c), table.At(r, c));
        }
    }
    return loaded.strOutputFile;
}

bool LoadTableInto(const std::string& file, TableSpec& table, std::string& outputPath,
                   std::string& reason) {
    const TableLoadResult result = LoadTable(file);
    reason = result.reason;
    if (!result.ok) return false;
    outputPath = ApplyLoadedTable(result.data, table);
    return true;
}

}  // namespace tabloom
