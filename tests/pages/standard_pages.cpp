// Writes the standard-style pages of a set of tables into a folder, for the
// HTML checker (page_N.html) and for the browser comparison of the styles
// (standard_N.html, and classic_N.html: the classic markup with an HTML5
// doctype), in which contents are one line.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/html/render_table_html.h"
#include "core/model/clock.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;
using testing::StartTable;

std::vector<TableSpec> Tables() {
    std::vector<TableSpec> tables;
    {
        // Every table option, spans, fonts, colours, header rows and columns.
        TableSpec t = testing::RichTable();
        t.blnCenterTable = true;
        t.intTableWidth = 90;
        t.intTableWidthUnit = 0;
        t.intHeaderRows = 1;
        t.intHeaderCols = 1;
        t.strCaption = "Prices & stock <2026> \xCE\xB1\xCE\xB2\xCE\xB3 \xE4\xB8\xAD";
        t.strLang = "de-CH";
        tables.push_back(t);
    }
    {
        // Spanning headers: column groups above, row groups at the side.
        TableSpec t = StartTable(6, 5);
        t.intHeaderRows = 2;
        t.intHeaderCols = 1;
        Span(t, 1, 1, 2, 1);
        Span(t, 1, 2, 1, 2);
        Span(t, 1, 4, 1, 2);
        Span(t, 3, 1, 2, 1);
        Span(t, 5, 1, 2, 1);
        Span(t, 4, 3, 1, 2);
        const char* words[] = {"", "Mars", "", "Venus", ""};
        for (int c = 2; c <= 5; ++c) {
            if (words[c - 1][0] != '\0') t.At(1, c).strContent = words[c - 1];
            t.At(2, c).strContent = c % 2 == 0 ? "Produced" : "Sold";
        }
        t.At(3, 1).strContent = "Teddy bears";
        t.At(5, 1).strContent = "Board games";
        t.At(3, 2).strContent = "50,000";
        t.At(4, 3).strContent = "one\r\ntwo<br>\r\n  three";
        t.intBorder = 0;
        t.intCellPadding = -1;
        t.intCellSpacing = -1;
        t.intBorderStyleIndex = 5;
        t.intBorderColorIndex = 2;
        tables.push_back(t);
    }
    {
        // Fonts: sizes absolute and relative, faces plain, generic and quoted;
        // cell sizes in pixels and percent; no border given.
        TableSpec t = StartTable(3, 4);
        t.blnAddHTMLWrapper = true;
        t.intBorder = -1;
        t.intTableWidth = 500;
        t.strCaption = "Fonts";
        const char* sizes[] = {"1", "7", "+2", "-1", "+9", "3", "x", ""};
        const char* faces[] = {"Arial",
                               "Times New Roman, serif",
                               "Font's \"odd\" name",
                               "",
                               "sans-serif",
                               "\xE5\xAE\x8B\xE4\xBD\x93",
                               "Verdana",
                               "Courier"};
        for (int i = 0; i < 8; ++i) {
            CellSpec& cell = t.At(1 + i / 4, 1 + i % 4);
            cell.strFontSize = sizes[i];
            cell.strFontFace = faces[i];
            cell.strContent = "Text \xE2\x82\xAC \xF0\x9F\x8D\x8E";
            cell.lngTextColor = 0x0000C0 * (i % 2);
            cell.intAlign = static_cast<std::int16_t>(i % 4);
            cell.intVAlign = static_cast<std::int16_t>(3 - i % 4);
        }
        t.At(3, 1).intWidth = 40;
        t.At(3, 1).intWidthUnit = 0;
        t.At(3, 2).intHeight = 60;
        t.At(3, 3).lngBgColor = 0x00FFFF;
        t.intHeaderCols = 4;
        tables.push_back(t);
    }
    {
        // One column; a header row whose cell spans into the body.
        TableSpec t = StartTable(4, 1);
        t.blnAddHTMLWrapper = true;
        t.blnAddPlaceMarkers = true;
        t.intHeaderRows = 1;
        Span(t, 1, 1, 2, 1);
        t.At(1, 1).strContent = "Head";
        t.At(3, 1).strContent = "\xCE\xA9";
        t.At(3, 1).intAlign = 3;
        t.At(3, 1).lngBgColor = 0x123456;
        tables.push_back(t);
    }
    for (TableSpec& t : tables) {
        t.blnAddHTMLWrapper = true;
        t.outputStyle = OutputStyle::Standard;
    }
    return tables;
}

bool Write(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace
}  // namespace tabloom

int main(int argc, char** argv) {
    using namespace tabloom;
    if (argc != 2) {
        std::cerr << "usage: standard_pages FOLDER\n";
        return 2;
    }
    const FixedClock clock(LocalDateTime{2026, 12, 5, 14, 5, 9});
    int n = 0;
    const std::string folder = argv[1];
    const std::string oldDoctype =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
    for (TableSpec table : Tables()) {
        ++n;
        const std::string number = std::to_string(n);
        bool ok = Write(folder + "/page_" + number + ".html", RenderTableHtml(table, clock));
        // For the browser: both styles of the table with one-line contents,
        // since only the standard style breaks lines.
        for (int r = 1; r <= table.intNumRows; ++r) {
            for (int c = 1; c <= table.intNumCols; ++c) {
                std::string& text = table.At(r, c).strContent;
                for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) {
                    text.replace(at, 2, " ");
                }
            }
        }
        ok = ok && Write(folder + "/standard_" + number + ".html", RenderTableHtml(table, clock));
        table.outputStyle = OutputStyle::Classic;
        std::string classic = RenderTableHtmlText(table, clock);
        classic.replace(0, oldDoctype.size(), "<!DOCTYPE html>");
        classic.insert(classic.find("<head>") + 6, "\r\n<meta charset=\"utf-8\">");
        if (!ok || !Write(folder + "/classic_" + number + ".html", classic)) {
            std::cerr << "standard_pages: cannot write page " << n << "\n";
            return 1;
        }
    }
    return 0;
}
