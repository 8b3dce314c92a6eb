#include "core/export/export_csv.h"

#include "core/export/cell_text.h"

namespace tabloom {

namespace {

// RFC 4180: quoted when it holds a comma, a quote or a line break, with
// quotes doubled; line breaks inside are CR LF.
std::string CsvField(const std::string& content) {
    const std::string value = CellText::Joined(content, "\r\n");
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char ch : value) {
        if (ch == '"') out.push_back('"');
        out.push_back(ch);
    }
    return out + "\"";
}

}  // namespace

ExportResult ExportCsv(const TableSpec& table) {
    ExportResult result;
    for (int r = 1; r <= table.intNumRows; ++r) {
        for (int c = 1; c <= table.intNumCols; ++c) {
            const CellSpec& cell = table.At(r, c);
            if (c > 1) result.text += ',';
            if (cell.intRowSpan >= 1) result.text += CsvField(cell.strContent);
        }
        result.text += "\r\n";
    }
    auto& losses = result.losses;
    if (const int spans = CellText::CountSpans(table); spans > 0) {
        losses.push_back("has no merged cells: " + CellText::Count(spans, "span is", "spans are") +
                         " written as repeated empty cells");
    }
    if (table.intHeaderRows > 0 || table.intHeaderCols > 0) {
        losses.push_back("header rows and columns become ordinary values");
    }
    if (!table.strCaption.empty()) losses.push_back("the caption is dropped");
    const bool formatted =
        CellText::HasColours(table) || CellText::HasSizes(table) || CellText::HasFonts(table) ||
        CellText::CountAnchors(
            table, [](const CellSpec& c) { return c.intAlign > 0 || c.intVAlign > 0; }) > 0;
    if (formatted) losses.push_back("colours, alignment, sizes and fonts are dropped");
    return result;
}

}  // namespace tabloom
