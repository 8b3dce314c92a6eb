#include "core/storage/table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/encoding/windows1252.h"
#include "core/model/check_table.h"
#include "core/model/text_helpers.h"
#include "core/storage/atomic_file.h"
#include "core/storage/extension_block.h"
#include "core/storage/field_reader.h"
#include "core/storage/file_text.h"
#include "core/storage/stored_text.h"

namespace tabloom {

namespace {

constexpr unsigned char kQuote = 34;
constexpr unsigned char kQuoteStandIn = 253;
// Far above any table the program can make; guards against reading a huge
// unrelated file into memory.
constexpr std::size_t kMaxTableFileSize = 64u << 20;

// The cell fields in the order the file holds them.
constexpr std::array<const char*, 15> kCellFields = {
    "intRowSpan",  "intColSpan",    "lngTextColor", "lngBgColor",  "intOwnerRow",
    "intOwnerCol", "intAlign",      "intVAlign",    "intWidth",    "intWidthUnit",
    "intHeight",   "intHeightUnit", "strContent",   "strFontFace", "strFontSize"};

// The line on which each field of one cell began.
using CellLines = std::array<int, kCellFields.size()>;

int LineOf(const CellLines& lines, std::string_view field) {
    for (std::size_t i = 0; i < kCellFields.size(); ++i) {
        if (field == kCellFields[i]) return lines[i];
    }
    return lines[0];
}

std::string Describe(const std::string& place, std::string_view what, std::string_view field) {
    std::string text = place;
    text += ": ";
    text += what;
    text += " for ";
    text += field;
    return text;
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
    AppendStoredText(out, utf8);
    for (std::size_t i = start; i < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) == kQuote) out[i] = static_cast<char>(kQuoteStandIn);
    }
    out.push_back('"');
    EndLine(out);
}

std::string CheckStorable(const TableSpec& t, std::string_view outputPath) {
    std::string problem = CheckTable(t);
    if (problem.empty() && HoldsControlCharacter(outputPath)) {
        problem = Describe("table", "control character", "txbOutputFile");
    }
    return problem;
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
    if (IsAscii(bytes) && bytes.find("&#") == std::string_view::npos) {
        value.assign(bytes);
        return true;
    }
    std::string copy(bytes);
    ReplaceChar(copy, kQuoteStandIn, kQuote);
    value = ReadStoredText(copy);
    return true;
}

bool ParseCell(FieldReader& in, CellSpec& cell, CellLines& lines) {
    std::size_t at = 0;
    auto int16 = [&](std::int16_t& value) {
        if (!in.ReadInt16(kCellFields[at], value)) return false;
        lines[at++] = in.FieldLine();
        return true;
    };
    auto int32 = [&](std::int32_t& value) {
        if (!in.ReadInt32(kCellFields[at], value)) return false;
        lines[at++] = in.FieldLine();
        return true;
    };
    auto quoted = [&](std::string& value) {
        if (!ReadQuotedText(in, kCellFields[at], value)) return false;
        lines[at++] = in.FieldLine();
        return true;
    };
    if (!int16(cell.intRowSpan) || !int16(cell.intColSpan) || !int32(cell.lngTextColor) ||
        !int32(cell.lngBgColor) || !int16(cell.intOwnerRow) || !int16(cell.intOwnerCol) ||
        !int16(cell.intAlign) || !int16(cell.intVAlign) || !int16(cell.intWidth) ||
        !int16(cell.intWidthUnit) || !int16(cell.intHeight) || !int16(cell.intHeightUnit) ||
        !quoted(cell.strContent) || !quoted(cell.strFontFace)) {
        return false;
    }
    std::string_view size;
    bool isQuoted = false;
    if (!in.ReadString(kCellFields[at], size, isQuoted)) return false;
    lines[at] = in.FieldLine();
    cell.strFontSize = ReadStoredText(size);
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
            AppendStoredText(bytes, cell.strFontSize);
            EndLine(bytes);
        }
    }
    AppendStoredText(bytes, outputPath);
    EndLine(bytes);
    AppendExtensionBlock(bytes, t);
    return true;
}

TableLoadResult ParseTable(std::string_view bytes) {
    TableLoadResult result;
    LoadedTable& d = result.data;
    TableSpec& t = d.table;
    FieldReader in(bytes);
    auto refuse = [&](std::string reason) {
        result.reason = std::move(reason);
        result.data = LoadedTable{};
        return result;
    };

    if (!ReadRanged(in, "chkAddHTMLWrapper4", 0, 2, d.chkAddHTMLWrapper4) ||
        !ReadRanged(in, "chkCenterTable4", 0, 2, d.chkCenterTable4) ||
        !ReadRanged(in, "chkAddPlaceMarkers", 0, 2, d.chkAddPlaceMarkers) ||
        !ReadRanged(in, "intNumRows", 1, intMaxRows, t.intNumRows) ||
        !ReadRanged(in, "intNumCols", 1, intMaxCols, t.intNumCols) ||
        !in.ReadInt16("intTableWidth", t.intTableWidth) ||
        !in.ReadInt16("intTableWidthUnit", t.intTableWidthUnit) ||
        !in.ReadInt16("intBorder", t.intBorder) ||
        !in.ReadInt16("intCellPadding", t.intCellPadding) ||
        !in.ReadInt16("intCellSpacing", t.intCellSpacing) ||
        !in.ReadInt32("lngTableTextColor", t.lngTableTextColor) ||
        !in.ReadInt32("lngTableBgColor", t.lngTableBgColor) ||
        !ReadRanged(in, "intBorderColorIndex", 0, intMaxBorderColorIndex, t.intBorderColorIndex) ||
        !ReadRanged(in, "intBorderStyleIndex", 0, intMaxBorderStyleIndex, t.intBorderStyleIndex)) {
        return refuse(in.Error());
    }
    t.blnAddHTMLWrapper = d.chkAddHTMLWrapper4 == 1;
    t.blnCenterTable = d.chkCenterTable4 == 1;
    t.blnAddPlaceMarkers = d.chkAddPlaceMarkers == 1;

    const int cols = t.intNumCols;
    std::vector<CellLines> lines(static_cast<std::size_t>(t.intNumRows * cols));
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            if (!ParseCell(in, t.At(r, c),
                           lines[static_cast<std::size_t>((r - 1) * cols + c - 1)])) {
                return refuse(in.Error());
            }
        }
    }

    // The last line is taken whole, so that a comma in the path survives.
    std::string_view path;
    if (!in.ReadRestOfLine("txbOutputFile", path)) return refuse(in.Error());
    if (HoldsControlCharacter(path)) {
        return refuse(Describe("line " + std::to_string(in.FieldLine()), "control character",
                               "txbOutputFile"));
    }
    d.strOutputFile = ReadStoredText(TrimBlanks(path));
    std::string blockProblem;
    if (!ParseExtensionBlock(in.Rest(), in.Line(), t, blockProblem)) return refuse(blockProblem);

    if (const auto offence = FindTableOffence(t)) {
        if (offence->row == 0) return refuse(DescribeOffence(*offence));
        const CellLines& at =
            lines[static_cast<std::size_t>((offence->row - 1) * cols + offence->col - 1)];
        return refuse(Describe("line " + std::to_string(LineOf(at, offence->field)), offence->what,
                               offence->field));
    }
    result.ok = true;
    return result;
}

TableLoadResult LoadTable(const std::string& file) {
    TableLoadResult result;
    // Non-blocking, so that a FIFO cannot hold the open; refused below.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
        WriteFileAtomically(file, bytes, {options.byteBudget, options.refuseTemporaryFile},
                            problem);
    }
    if (reason != nullptr) *reason = problem;
    return problem.empty();
}

std::string ApplyLoadedTable(const LoadedTable& loaded, TableSpec& table) {
    // Only a checked file is applied; anything else leaves the table alone.
    if (!CheckTable(loaded.table).empty()) return {};
    const bool useSpecifiedColors = table.blnUseSpecifiedColors;
    TableSpec applied = loaded.table;
    applied.blnUseSpecifiedColors = useSpecifiedColors;
    for (int r = 0; r <= intMaxRows; ++r) {
        for (int c = 0; c <= intMaxCols; ++c) {
            const CellSpec& drawn = table.Cell[r][c];
            CellSpec& cell = applied.Cell[r][c];
            cell.intTop = drawn.intTop;
            cell.intLeft = drawn.intLeft;
            cell.intBottom = drawn.intBottom;
            cell.intRight = drawn.intRight;
        }
    }
    table = std::move(applied);
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
