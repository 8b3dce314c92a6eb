#include "core/export/export_latex.h"

#include "core/export/cell_text.h"
#include "core/model/colour.h"

namespace tabloom {

namespace {

// Every character TeX gives a meaning of its own is written as a command
// that prints it; | and " print as themselves in the T1 font encoding.
std::string Escaped(const std::string& text) {
    std::string out;
    char previous = '\0';
    for (char ch : text) {
        switch (ch) {
            case '\\':
                out += "\\textbackslash{}";
                break;
            case '{':
                out += "\\{";
                break;
            case '}':
                out += "\\}";
                break;
            case '$':
                out += "\\$";
                break;
            case '&':
                out += "\\&";
                break;
            case '#':
                out += "\\#";
                break;
            case '%':
                out += "\\%";
                break;
            case '_':
                out += "\\_";
                break;
            case '^':
                out += "\\textasciicircum{}";
                break;
            case '~':
                out += "\\textasciitilde{}";
                break;
            case '<':
                out += "\\textless{}";
                break;
            case '>':
                out += "\\textgreater{}";
                break;
            case '`':
                out += "\\textasciigrave{}";
                break;
            case '\'':
                out += "\\textquotesingle{}";
                break;
            case '-':
                // "--" would print a dash.
                if (previous == '-') out += "{}";
                out.push_back(ch);
                break;
            default:
                out.push_back(ch);
        }
        previous = ch;
    }
    return out;
}

// One line as it is, several stacked in a tabular of their own.
std::string CellBody(const std::string& content, bool bold) {
    const std::vector<std::string> lines = CellText::Lines(content);
    auto one = [bold](const std::string& line) {
        const std::string text = Escaped(line);
        return bold && !text.empty() ? "\\textbf{" + text + "}" : text;
    };
    if (lines.size() == 1) return one(lines[0]);
    std::string out = "\\begin{tabular}{@{}l@{}}";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\\\\ ";
        out += one(lines[i]);
    }
    return out + "\\end{tabular}";
}

std::string Hex(std::int32_t colour) { return ColorToHex(colour).substr(1); }

struct Layout {
    const TableSpec& table;
    bool ruled;

    std::int32_t Background(const CellSpec& cell) const {
        if (cell.lngBgColor != NotSpecifiedColor) return cell.lngBgColor;
        return table.lngTableBgColor != 0xFFFFFF ? table.lngTableBgColor : NotSpecifiedColor;
    }
    std::int32_t TextColour(const CellSpec& cell) const {
        if (cell.lngTextColor != NotSpecifiedColor) return cell.lngTextColor;
        return table.blnUseSpecifiedColors && table.lngTableTextColor != 0x000000
                   ? table.lngTableTextColor
                   : NotSpecifiedColor;
    }
    // The column format of a \multicolumn starting at col.
    std::string ColumnFormat(int col, char align) const {
        std::string format;
        if (ruled && col == 1) format += '|';
        format += align;
        if (ruled) format += '|';
        return format;
    }
    // The text of the anchor's cell, or of a position its rows cover below.
    std::string Cell(int r, int c, const CellSpec& anchor, bool first) const {
        std::string body;
        if (const std::int32_t bg = Background(anchor); bg != NotSpecifiedColor) {
            body += "\\cellcolor[HTML]{" + Hex(bg) + "}";
        }
        if (first) {
            std::string text = CellBody(anchor.strContent, CellText::IsHeader(table, r, c));
            if (const std::int32_t fg = TextColour(anchor);
                fg != NotSpecifiedColor && !text.empty()) {
                text = "\\textcolor[HTML]{" + Hex(fg) + "}{" + text + "}";
            }
            if (anchor.intRowSpan > 1) {
                text = "\\multirow{" + std::to_string(anchor.intRowSpan) + "}{*}{" + text + "}";
            }
            body += text;
        }
        const char align = anchor.intAlign == 2 ? 'c' : anchor.intAlign == 3 ? 'r' : 'l';
        if (anchor.intColSpan > 1 || align != 'l') {
            return "\\multicolumn{" + std::to_string(anchor.intColSpan) + "}{" +
                   ColumnFormat(c, align) + "}{" + body + "}";
        }
        return body;
    }
    // The rule below row r: \hline, or \cline over the columns that no
    // rowspan crosses.
    std::string RuleBelow(int r) const {
        if (r == table.intNumRows) return "\\hline\n";
        std::string clines;
        bool all = true;
        int start = 0;
        for (int c = 1; c <= table.intNumCols + 1; ++c) {
            const bool crossed = c <= table.intNumCols && table.At(r + 1, c).intRowSpan == 0 &&
                                 table.At(r + 1, c).intOwnerRow <= r;
            const bool open = c <= table.intNumCols && !crossed;
            if (crossed) all = false;
            if (open && start == 0) start = c;
            if (!open && start != 0) {
                clines += "\\cline{" + std::to_string(start) + "-" + std::to_string(c - 1) + "}";
                start = 0;
            }
        }
        if (all) return "\\hline\n";
        return clines.empty() ? std::string() : clines + "\n";
    }
};

}  // namespace

ExportResult ExportLatex(const TableSpec& table) {
    ExportResult result;
    std::string& out = result.text;
    const bool ruled = table.intBorder != 0 && table.intBorderStyleIndex < 8;
    const Layout layout{table, ruled};
    const bool floated = !table.strCaption.empty();
    out +=
        "% Needs \\usepackage[T1]{fontenc}, \\usepackage[table]{xcolor} and "
        "\\usepackage{multirow}.\n";
    if (floated) {
        out += "\\begin{table}[htbp]\n";
        if (table.blnCenterTable) out += "\\centering\n";
        out += "\\caption{" + Escaped(table.strCaption) + "}\n";
    } else if (table.blnCenterTable) {
        out += "\\begin{center}\n";
    }
    out += "\\begin{tabular}{";
    if (ruled) out += '|';
    for (int c = 1; c <= table.intNumCols; ++c) out += ruled ? "l|" : "l";
    out += "}\n";
    if (ruled) out += "\\hline\n";
    for (int r = 1; r <= table.intNumRows; ++r) {
        std::string line;
        bool firstInRow = true;
        for (int c = 1; c <= table.intNumCols; ++c) {
            const CellSpec& cell = table.At(r, c);
            std::string text;
            if (cell.intRowSpan >= 1) {
                text = layout.Cell(r, c, cell, true);
            } else {
                const int ownerRow = cell.intOwnerRow;
                const int ownerCol = cell.intOwnerCol;
                // Positions right of the anchor's column lie inside its
                // \multicolumn; only the first column of a lower row is written.
                if (ownerCol != c || ownerRow == r) continue;
                text = layout.Cell(r, c, table.At(ownerRow, ownerCol), false);
            }
            if (!firstInRow) line += " & ";
            line += text;
            firstInRow = false;
        }
        out += line + " \\\\\n";
        if (ruled) {
            out += layout.RuleBelow(r);
        } else if (r == table.intHeaderRows) {
            out += "\\hline\n";
        }
    }
    out += "\\end{tabular}\n";
    if (floated) {
        out += "\\end{table}\n";
    } else if (table.blnCenterTable) {
        out += "\\end{center}\n";
    }

    auto& losses = result.losses;
    if (CellText::CountAnchors(table, [](const CellSpec& c) { return c.intVAlign > 0; }) > 0) {
        losses.push_back("vertical alignment is dropped");
    }
    if (CellText::HasSizes(table)) losses.push_back("widths and heights are dropped");
    if (CellText::HasFonts(table)) losses.push_back("fonts are dropped");
    const bool plainRules =
        table.intBorder <= 1 && table.intBorderColorIndex == 6 && table.intBorderStyleIndex == 2;
    if ((ruled && !plainRules) || table.intCellPadding > 0 || table.intCellSpacing > 0) {
        losses.push_back("the border is drawn as thin black rules, without padding or spacing");
    }
    const int marked = CellText::CountAnchors(
        table, [](const CellSpec& c) { return c.strContent.find('<') != std::string::npos; });
    if (marked > 0) {
        losses.push_back("HTML markup is written as text in " +
                         CellText::Count(marked, "cell", "cells"));
    }
    return result;
}

}  // namespace tabloom
