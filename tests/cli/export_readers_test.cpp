#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_run.h"
#include "core/export/cell_text.h"
#include "core/export/export_table.h"
#include "table_builders.h"
#include "temp_folder.h"

namespace tabloom {
namespace {

using testing::RunResult;
using testing::TempFolder;

// Spans, a head row, a caption, a line break inside a cell, colours and the
// characters the formats give a meaning of their own.
TableSpec ReaderTable() {
    TableSpec t = testing::StartTable(4, 3);
    t.intHeaderRows = 1;
    t.strCaption = "Prices & more, 50%";
    const char* texts[4][3] = {{"Name", "Price & tax", "Note"},
                               {"50% off $5 #1", "x_y {z} [a]", "two\r\nlines"},
                               {"1 < 2 > 0 ~^\\ |", "", ""},
                               {"caf\xC3\xA9 *b* -- c", "back\\slash", "end"}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) t.At(r + 1, c + 1).strContent = texts[r][c];
    }
    testing::Span(t, 2, 3, 2, 1);
    testing::Span(t, 3, 1, 1, 2);
    t.At(2, 1).lngBgColor = 0x00FFFF;
    t.At(4, 2).lngTextColor = 0xFF0000;
    t.At(4, 2).intAlign = 3;
    return t;
}

// What the reader should find: the caption when the format has one, then
// every non-empty cell row by row, line breaks as \n.
std::string ExpectedTexts(const TableSpec& t, bool withCaption) {
    std::string out = withCaption ? "caption: " + t.strCaption + "\n" : "";
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan < 1 || cell.strContent.empty()) continue;
            out += CellText::Joined(cell.strContent, "\\n") + "\n";
        }
    }
    return out;
}

RunResult ReadBack(const std::string& kind, const std::string& file, const TempFolder& folder) {
    return testing::RunProgram("python3", {TABLOOM_READER_SCRIPT, kind, file}, folder);
}

std::string Exported(const TableSpec& t, ExportFormat format, const TempFolder& folder) {
    const std::string file = folder.File(std::string("table") + ExportFileSuffix(format));
    testing::WriteBytes(file, ExportTable(t, format).text);
    return file;
}

TEST(ExportReadersTest, PandocReadsTheSameCellTexts) {
    const TableSpec t = ReaderTable();
    const struct {
        ExportFormat format;
        const char* kind;
        bool caption;
    } cases[] = {{ExportFormat::Markdown, "markdown", false},
                 {ExportFormat::MediaWiki, "mediawiki", true},
                 {ExportFormat::Latex, "latex", true}};
    for (const auto& c : cases) {
        // pandoc 2.17 reads no line break inside a LaTeX cell, however written
        // (a tabular inside the cell, \shortstack); pdflatex checks those below.
        TableSpec table = t;
        if (c.format == ExportFormat::Latex) table.At(2, 3).strContent = "two lines";
        TempFolder folder;
        const RunResult run = ReadBack(c.kind, Exported(table, c.format, folder), folder);
        ASSERT_EQ(run.code, 0) << c.kind << ": " << run.err;
        EXPECT_EQ(run.out, ExpectedTexts(table, c.caption)) << c.kind;
    }
}

TEST(ExportReadersTest, PythonCsvReadsEveryValue) {
    const TableSpec t = ReaderTable();
    TempFolder folder;
    const RunResult run = ReadBack("csv", Exported(t, ExportFormat::Csv, folder), folder);
    ASSERT_EQ(run.code, 0) << run.err;
    std::string expected;
    for (int r = 1; r <= t.intNumRows; ++r) {
        for (int c = 1; c <= t.intNumCols; ++c) {
            const CellSpec& cell = t.At(r, c);
            if (cell.intRowSpan >= 1) expected += CellText::Joined(cell.strContent, "\\n");
            expected += "\n";
        }
        expected += "\n";
    }
    EXPECT_EQ(run.out, expected);
}

TEST(ExportReadersTest, LatexCompilesWithPdflatex) {
    TableSpec t = ReaderTable();
    t.blnCenterTable = true;
    t.At(1, 1).strContent = "quotes ' \" ` and \\ { } $ & # % _ ^ ~ < > | -- ---";
    t.At(2, 2).strFontFace = "Arial";
    t.At(2, 2).intVAlign = 3;
    TempFolder folder;
    for (const TableSpec& table : {t, testing::RichTable()}) {
        const std::string doc = folder.File("doc.tex");
        testing::WriteBytes(doc,
                            "\\documentclass{article}\n\\usepackage[T1]{fontenc}\n"
                            "\\usepackage[table]{xcolor}\n\\usepackage{multirow}\n"
                            "\\begin{document}\n" +
                                ExportTable(table, ExportFormat::Latex).text + "\\end{document}\n");
        // Not through RunProgram: the first run may build fonts for a while.
        const std::string command = "cd '" + folder.File("") +
                                    "' && timeout 300 pdflatex -interaction=nonstopmode "
                                    "-halt-on-error doc.tex >pdflatex.out 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << testing::ReadBytes(folder.File("pdflatex.out"));
    }
}

}  // namespace
}  // namespace tabloom
