#include "core/import/import_html_table.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>

#include "core/import/cell_markup.h"
#include "core/import/css_values.h"
#include "core/import/html_document.h"
#include "core/import/html_table_options.h"
#include "core/model/check_table.h"

namespace tabloom {

namespace {

constexpr std::size_t kMaxLabel = 60;
constexpr std::size_t kMaxContent = 2048;  // characters, as the cell dialog admits
constexpr std::size_t kMaxFace = 128;

// The first count characters of UTF-8 text; true when it was longer.
bool CutToCharacters(std::string& text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == count) {
            text.resize(i);
            return true;
        }
        ++chars;
    }
    return false;
}

long Number(const char* text, long low, long high) {
    const long n = std::strtol(text, nullptr, 10);
    return std::clamp(n, low, high);
}

int IndexOf(const std::string& value, const char* const* names, int count) {
    for (int i = 1; i < count; ++i) {
        if (value == names[i]) return i;
    }
    return 0;
}

// Rows of a table in the order a browser shows them: head, bodies, foot.
std::vector<const GumboNode*> TableRows(const GumboNode* table, const GumboNode** caption) {
    std::vector<const GumboNode*> head, body, foot;
    const GumboVector* children = HtmlDocument::Children(table);
    for (unsigned i = 0; i < children->length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children->data[i]);
        if (HtmlDocument::IsElement(child, GUMBO_TAG_CAPTION) && *caption == nullptr) {
            *caption = child;
        } else if (HtmlDocument::IsElement(child, GUMBO_TAG_TR)) {
            body.push_back(child);
        } else if (HtmlDocument::IsElement(child, GUMBO_TAG_THEAD) ||
                   HtmlDocument::IsElement(child, GUMBO_TAG_TBODY) ||
                   HtmlDocument::IsElement(child, GUMBO_TAG_TFOOT)) {
            auto& into = child->v.element.tag == GUMBO_TAG_THEAD   ? head
                         : child->v.element.tag == GUMBO_TAG_TFOOT ? foot
                                                                   : body;
            const GumboVector* rows = HtmlDocument::Children(child);
            for (unsigned k = 0; k < rows->length; ++k) {
                const auto* row = static_cast<const GumboNode*>(rows->data[k]);
                if (HtmlDocument::IsElement(row, GUMBO_TAG_TR)) into.push_back(row);
            }
        }
    }
    head.insert(head.end(), body.begin(), body.end());
    head.insert(head.end(), foot.begin(), foot.end());
    return head;
}

std::vector<const GumboNode*> RowCells(const GumboNode* row) {
    std::vector<const GumboNode*> cells;
    const GumboVector* children = HtmlDocument::Children(row);
    for (unsigned i = 0; i < children->length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children->data[i]);
        if (HtmlDocument::IsElement(child, GUMBO_TAG_TD) ||
            HtmlDocument::IsElement(child, GUMBO_TAG_TH)) {
            cells.push_back(child);
        }
    }
    return cells;
}

class Importer {
  public:
    Importer(const HtmlDocument& doc, HtmlTableImport& out) : doc_(doc), out_(out) {}

    void Run(const GumboNode* tableNode) {
        TableSpec& t = out_.table;
        InitTableState(t);
        t.blnAddHTMLWrapper = doc_.HasDoctype();
        const GumboNode* caption = nullptr;
        const std::vector<const GumboNode*> rows = TableRows(tableNode, &caption);
        if (rows.empty()) {
            out_.reason = "the table has no rows";
            return;
        }
        ReadTableOptions(tableNode, t, lostStyles_);
        if (caption != nullptr) {
            t.strCaption = HtmlDocument::PlainText(caption, 8 * intMaxCaptionLength);
            if (CutToCharacters(t.strCaption, intMaxCaptionLength)) {
                Lose("the caption is cut to " + std::to_string(intMaxCaptionLength) +
                     " characters");
            }
        }
        Layout(rows);
        Headers();
        Report();
        out_.ok = true;
    }

  private:
    void Lose(std::string what) {
        if (std::find(out_.losses.begin(), out_.losses.end(), what) == out_.losses.end()) {
            out_.losses.push_back(std::move(what));
        }
    }

    // Places every cell as a browser does: at the next free column of its
    // row, spans clamped to the table and cut short where they would
    // overlap a cell placed before.
    void Layout(const std::vector<const GumboNode*>& rows) {
        TableSpec& t = out_.table;
        const int totalRows = static_cast<int>(rows.size());
        const int numRows = std::min<int>(totalRows, intMaxRows);
        std::array<std::array<bool, intMaxCols>, intMaxRows> used{};
        std::vector<std::pair<const GumboNode*, std::pair<int, int>>> anchors;
        int widest = 0;
        for (int r = 0; r < totalRows; ++r) {
            int col = 0;
            for (const GumboNode* cell : RowCells(rows[r])) {
                if (r < numRows) {
                    while (col < intMaxCols && used[r][col]) ++col;
                }
                const char* cs = HtmlDocument::Attribute(cell, "colspan");
                const char* rs = HtmlDocument::Attribute(cell, "rowspan");
                const int colSpan = cs != nullptr ? static_cast<int>(Number(cs, 1, 1000)) : 1;
                int rowSpan = rs != nullptr ? static_cast<int>(Number(rs, 0, 65534)) : 1;
                if (rowSpan == 0) rowSpan = totalRows - r;  // to the end of the table
                widest = std::max(widest, col + colSpan);
                if (r >= numRows || col >= intMaxCols) {
                    col += colSpan;
                    continue;
                }
                int width = std::min(colSpan, intMaxCols - col);
                for (int k = 1; k < width; ++k) {
                    if (used[r][col + k]) {
                        width = k;
                        overlap_ = true;
                    }
                }
                int height = std::min(rowSpan, numRows - r);
                for (int k = 1; k < height; ++k) {
                    for (int c = col; c < col + width; ++c) {
                        if (used[r + k][c] && height > k) {
                            height = k;
                            overlap_ = true;
                        }
                    }
                }
                for (int a = r; a < r + height; ++a) {
                    for (int c = col; c < col + width; ++c) used[a][c] = true;
                }
                anchors.push_back({cell, {r + 1, col + 1}});
                Place(r + 1, col + 1, height, width);
                col += colSpan;
            }
        }
        cutRows_ = totalRows - numRows;
        cutCols_ = std::max(0, widest - intMaxCols);
        t.intNumRows = static_cast<std::int16_t>(numRows);
        t.intNumCols =
            static_cast<std::int16_t>(std::clamp(widest, 1, static_cast<int>(intMaxCols)));
        for (int r = 1; r <= numRows; ++r) {
            CellSpec rowValues;
            CellProperties(rows[r - 1], rowValues, false);
            for (int c = 1; c <= t.intNumCols; ++c) {
                CellSpec& cell = t.At(r, c);
                cell.intAlign = rowValues.intAlign;
                cell.intVAlign = rowValues.intVAlign;
                cell.lngBgColor = rowValues.lngBgColor;
                cell.lngTextColor = rowValues.lngTextColor;
            }
        }
        for (const auto& [node, at] : anchors) {
            CellSpec& cell = t.At(at.first, at.second);
            CellProperties(node, cell, true);
            Content(node, cell);
            if (node->v.element.tag == GUMBO_TAG_TH)
                headerCells_.insert(at.first * 100 + at.second);
        }
    }

    void Place(int r, int c, int rows, int cols) {
        TableSpec& t = out_.table;
        for (int a = r; a < r + rows; ++a) {
            for (int b = c; b < c + cols; ++b) {
                CellSpec& cell = t.At(a, b);
                const bool anchor = a == r && b == c;
                cell.intRowSpan = anchor ? static_cast<std::int16_t>(rows) : 0;
                cell.intColSpan = anchor ? static_cast<std::int16_t>(cols) : 0;
                cell.intOwnerRow = static_cast<std::int16_t>(r);
                cell.intOwnerCol = static_cast<std::int16_t>(c);
            }
        }
    }

    void Colour(const std::string& name, const std::string& value, std::int32_t& into) {
        std::string first = value;
        if (name == "background") first = value.substr(0, value.find(' '));
        if (auto colour = ParseHtmlColour(first)) {
            into = *colour;
        } else {
            lostStyles_.insert(name);
        }
    }

    void Length(const std::string& name, const std::string& value, std::int16_t& size,
                std::int16_t& unit) {
        if (auto length = ParseHtmlLength(value); length && length->value > 0) {
            size = length->value;
            unit = length->unit;
        } else {
            lostStyles_.insert(name);
        }
    }

    void Align(const std::string& name, const std::string& value, CellSpec& cell) {
        if (name == "align" || name == "text-align") {
            const int i =
                IndexOf(value, strAlignName.data(), static_cast<int>(strAlignName.size()));
            if (i > 0)
                cell.intAlign = static_cast<std::int16_t>(i);
            else
                lostStyles_.insert(name + " " + value);
        } else {
            const int i = IndexOf(value == "center" ? "middle" : value, strVAlignName.data(),
                                  static_cast<int>(strVAlignName.size()));
            if (i > 0)
                cell.intVAlign = static_cast<std::int16_t>(i);
            else
                lostStyles_.insert(name + " " + value);
        }
    }

    // The attributes and style of a td, th or tr (forCell false).
    void CellProperties(const GumboNode* node, CellSpec& cell, bool forCell) {
        if (const char* v = HtmlDocument::Attribute(node, "align"))
            Align("align", LowerTrimmed(v), cell);
        if (const char* v = HtmlDocument::Attribute(node, "valign"))
            Align("valign", LowerTrimmed(v), cell);
        if (const char* v = HtmlDocument::Attribute(node, "bgcolor"))
            Colour("bgcolor", v, cell.lngBgColor);
        if (forCell) {
            if (const char* v = HtmlDocument::Attribute(node, "width")) {
                Length("width", v, cell.intWidth, cell.intWidthUnit);
            }
            if (const char* v = HtmlDocument::Attribute(node, "height")) {
                Length("height", v, cell.intHeight, cell.intHeightUnit);
            }
        }
        const char* style = HtmlDocument::Attribute(node, "style");
        if (style == nullptr) return;
        for (const auto& [name, value] : StyleDeclarations(style)) {
            if (name == "background-color" || name == "background") {
                Colour(name, value, cell.lngBgColor);
            } else if (name == "color") {
                Colour(name, value, cell.lngTextColor);
            } else if (name == "text-align" || name == "vertical-align") {
                Align(name, value, cell);
            } else if (forCell && name == "width") {
                Length(name, value, cell.intWidth, cell.intWidthUnit);
            } else if (forCell && name == "height") {
                Length(name, value, cell.intHeight, cell.intHeightUnit);
            } else if (forCell && name == "font-family") {
                Face(value, cell);
            } else {
                lostStyles_.insert(name);
            }
        }
    }

    void Face(std::string face, CellSpec& cell) {
        face.erase(std::remove_if(face.begin(), face.end(),
                                  [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }),
                   face.end());
        CutToCharacters(face, kMaxFace);
        cell.strFontFace = face;
    }

    void Content(const GumboNode* node, CellSpec& cell) {
        const GumboNode* font = CellMarkup::SoleFont(node);
        if (font != nullptr) {
            if (const char* v = HtmlDocument::Attribute(font, "color"))
                Colour("font color", v, cell.lngTextColor);
            if (const char* v = HtmlDocument::Attribute(font, "face")) Face(v, cell);
            if (const char* v = HtmlDocument::Attribute(font, "size")) {
                const std::string size = LowerTrimmed(v);
                const std::size_t digits = size.find_first_not_of("+-") == 1 ? 1 : 0;
                const bool ok = !size.empty() && size.size() <= digits + 2 &&
                                size.size() > digits &&
                                size.find_first_not_of("0123456789", digits) == std::string::npos;
                if (ok)
                    cell.strFontSize = size;
                else
                    lostStyles_.insert("font size " + size);
            }
        }
        CellMarkup markup = CellMarkup::Read(font != nullptr ? font : node);
        nestedTables_ += markup.nestedTables;
        tooDeep_ = tooDeep_ || markup.tooDeep;
        if (CutToCharacters(markup.content, kMaxContent)) ++longTexts_;
        cell.strContent = std::move(markup.content);
    }

    // Leading rows, then leading columns, whose cells are all th.
    void Headers() {
        TableSpec& t = out_.table;
        auto isHeader = [this](int r, int c) { return headerCells_.count(r * 100 + c) > 0; };
        auto anchorsAll = [&](int r0, int r1, int c0, int c1) {
            bool any = false;
            for (int r = r0; r <= r1; ++r) {
                for (int c = c0; c <= c1; ++c) {
                    if (t.At(r, c).intRowSpan < 1) continue;
                    if (!isHeader(r, c)) return false;
                    any = true;
                }
            }
            return any;
        };
        int rows = 0;
        while (rows < t.intNumRows && anchorsAll(rows + 1, rows + 1, 1, t.intNumCols)) ++rows;
        int cols = 0;
        if (rows < t.intNumRows) {
            while (cols < t.intNumCols && anchorsAll(rows + 1, t.intNumRows, cols + 1, cols + 1))
                ++cols;
        }
        t.intHeaderRows = static_cast<std::int16_t>(rows);
        t.intHeaderCols = static_cast<std::int16_t>(cols);
        for (int key : headerCells_) {
            if (!CellInHeader(key / 100, key % 100)) {
                Lose("header cells outside the leading rows and columns become ordinary cells");
                break;
            }
        }
    }

    bool CellInHeader(int r, int c) const {
        return r <= out_.table.intHeaderRows || c <= out_.table.intHeaderCols;
    }

    void Report() {
        if (cutRows_ > 0)
            Lose(std::to_string(cutRows_) + (cutRows_ == 1 ? " row" : " rows") + " beyond 20 cut");
        if (cutCols_ > 0) {
            Lose(std::to_string(cutCols_) + (cutCols_ == 1 ? " column" : " columns") +
                 " beyond 20 cut");
        }
        if (nestedTables_ > 0) {
            Lose(std::to_string(nestedTables_) +
                 (nestedTables_ == 1 ? " nested table" : " nested tables") + " left out");
        }
        if (overlap_) Lose("spans that overlap other cells shortened");
        if (tooDeep_) Lose("markup nested too deep left out");
        if (longTexts_ > 0) {
            Lose(std::to_string(longTexts_) + (longTexts_ == 1 ? " cell text" : " cell texts") +
                 " cut to 2048 characters");
        }
        if (!lostStyles_.empty()) {
            std::string styles = "styles not kept: ";
            int n = 0;
            for (const std::string& name : lostStyles_) {
                if (n == 8) {
                    styles += ", ...";
                    break;
                }
                styles += (n++ > 0 ? ", " : "") + name;
            }
            Lose(styles);
        }
    }

    const HtmlDocument& doc_;
    HtmlTableImport& out_;
    std::set<std::string> lostStyles_;
    std::set<int> headerCells_;
    int cutRows_ = 0;
    int cutCols_ = 0;
    int nestedTables_ = 0;
    int longTexts_ = 0;
    bool overlap_ = false;
    bool tooDeep_ = false;
};

}  // namespace

std::vector<std::string> ListHtmlTables(std::string_view html) {
    return ListHtmlTables(HtmlDocument(html));
}

std::vector<std::string> ListHtmlTables(const HtmlDocument& doc) {
    std::vector<std::string> labels;
    for (const GumboNode* table : doc.Tables()) {
        const GumboNode* caption = nullptr;
        const std::vector<const GumboNode*> rows = TableRows(table, &caption);
        std::string label;
        if (caption != nullptr) label = HtmlDocument::PlainText(caption, 4 * kMaxLabel);
        if (label.empty() && !rows.empty())
            label = HtmlDocument::PlainText(rows.front(), 4 * kMaxLabel);
        if (CutToCharacters(label, kMaxLabel)) label += "...";
        labels.push_back(label);
    }
    return labels;
}

HtmlTableImport ImportHtmlTable(std::string_view html, int index) {
    return ImportHtmlTable(HtmlDocument(html), index);
}

HtmlTableImport ImportHtmlTable(const HtmlDocument& doc, int index) {
    HtmlTableImport result;
    if (!doc.Parsed()) {
        result.reason = doc.Refusal();
        return result;
    }
    const auto& tables = doc.Tables();
    result.tableCount = static_cast<int>(tables.size());
    if (tables.empty()) {
        result.reason = "the page holds no table";
        return result;
    }
    if (index < 0 || index >= static_cast<int>(tables.size())) {
        result.reason = "the page holds " + std::to_string(tables.size()) +
                        (tables.size() == 1 ? " table" : " tables") + ", not " +
                        std::to_string(index + 1);
        return result;
    }
    Importer(doc, result).Run(tables[index]);
    return result;
}

std::string ImportLossReport(const std::vector<std::string>& losses) {
    if (losses.empty()) return {};
    std::string report = "The table does not fit entirely: ";
    for (std::size_t i = 0; i < losses.size(); ++i) {
        if (i > 0) report += "; ";
        report += losses[i];
    }
    return report + ".";
}

}  // namespace tabloom
