#include "core/audit/table_audit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <string_view>
#include <tuple>

#include "core/audit/contrast.h"
#include "core/model/check_table.h"
#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

// Elements and attributes the HTML standard lists as obsolete that people
// still type into cells.
constexpr std::array<std::string_view, 16> kObsoleteElements = {
    "font", "center", "big",     "strike", "tt",  "basefont", "blink",     "marquee",
    "nobr", "spacer", "acronym", "dir",    "xmp", "listing",  "plaintext", "applet"};
constexpr std::array<std::string_view, 5> kObsoleteAttributes = {"bgcolor", "align", "valign",
                                                                 "background", "face"};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

bool IsNameChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; }

// The obsolete words in one cell's markup, in the order first met.
void CollectObsolete(const std::string& content, std::vector<std::string>& words) {
    const std::string text = Lower(content);
    auto add = [&words](std::string word) {
        if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    };
    for (std::size_t lt = text.find('<'); lt != std::string::npos; lt = text.find('<', lt + 1)) {
        const std::size_t gt = text.find('>', lt);
        const std::string_view tag(text.data() + lt + 1,
                                   (gt == std::string::npos ? text.size() : gt) - lt - 1);
        std::size_t end = 0;
        while (end < tag.size() && IsNameChar(tag[end])) ++end;
        const std::string_view name = tag.substr(0, end);
        if (std::find(kObsoleteElements.begin(), kObsoleteElements.end(), name) !=
            kObsoleteElements.end()) {
            add("<" + std::string(name) + ">");
        }
        for (std::string_view attribute : kObsoleteAttributes) {
            for (std::size_t at = tag.find(attribute, end); at != std::string_view::npos;
                 at = tag.find(attribute, at + 1)) {
                if (at > 0 && (IsNameChar(tag[at - 1]) || tag[at - 1] == '-')) continue;
                std::size_t after = at + attribute.size();
                while (after < tag.size() && tag[after] == ' ') ++after;
                if (after < tag.size() && tag[after] == '=') {
                    add(std::string(attribute) + "=");
                    break;
                }
            }
        }
    }
}

std::string Join(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (const std::string& word : words) {
        if (!out.empty()) out += separator;
        out += word;
    }
    return out;
}

// The ratio cut, not rounded, to two decimals: 4.499 must not read 4.50.
std::string RatioText(double ratio) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", std::floor(ratio * 100) / 100);
    return text;
}

std::string NeededText(double needed) { return needed == kLargeTextRatio ? "3:1" : "4.5:1"; }

bool ShowsText(const TableSpec& table, int row, int col) {
    if (VisibleText(table.At(row, col).strContent).empty()) return false;
    return !(table.blnAddPlaceMarkers && IsPlaceMarker(table, row, col));
}

template <typename Visit>
void ForEachAnchor(const TableSpec& table, Visit visit) {
    for (int r = 1; r <= table.intNumRows; ++r) {
        for (int c = 1; c <= table.intNumCols; ++c) {
            if (table.At(r, c).intRowSpan >= 1) visit(r, c, table.At(r, c));
        }
    }
}

void FindContrast(const TableSpec& table, std::vector<Finding>& findings) {
    // Cells of the same colours and size class make one finding.
    std::map<std::tuple<std::int32_t, std::int32_t, double>, std::size_t> groups;
    ForEachAnchor(table, [&](int r, int c, const CellSpec& cell) {
        if (VisibleText(cell.strContent).empty()) return;
        const std::int32_t text =
            cell.lngTextColor != NotSpecifiedColor ? cell.lngTextColor : table.lngTableTextColor;
        const std::int32_t bg =
            cell.lngBgColor != NotSpecifiedColor ? cell.lngBgColor : table.lngTableBgColor;
        const int size = EffectiveFontSize(cell.strFontSize);
        const bool large = size >= 5 || (size >= 4 && IsHeaderCell(table, r, c));
        const double needed = large ? kLargeTextRatio : kNormalTextRatio;
        const double ratio = ContrastRatio(text, bg);
        if (ratio >= needed) return;
        const auto key = std::make_tuple(text, bg, needed);
        const auto found = groups.find(key);
        if (found != groups.end()) {
            findings[found->second].cells.push_back({r, c});
            return;
        }
        Finding finding;
        finding.kind = FindingKind::Contrast;
        finding.cells.push_back({r, c});
        finding.figure = RatioText(ratio) + ", needs " + NeededText(needed);
        finding.fixable = true;
        finding.textColour = text;
        finding.bgColour = bg;
        finding.needed = needed;
        groups.emplace(key, findings.size());
        findings.push_back(std::move(finding));
    });
}

Finding Of(FindingKind kind) {
    Finding finding;
    finding.kind = kind;
    return finding;
}

bool HasTitleRow(const TableSpec& table) {
    const CellSpec& first = table.At(1, 1);
    return table.intNumRows >= 2 && table.intNumCols >= 2 && first.intRowSpan == 1 &&
           first.intColSpan == table.intNumCols && ShowsText(table, 1, 1);
}

}  // namespace

std::vector<Finding> AuditTable(const TableSpec& table) {
    std::vector<Finding> findings;
    if (!CheckTable(table).empty()) return findings;
    FindContrast(table, findings);

    std::array<bool, intMaxRows + 1> rowHasText{};
    std::array<bool, intMaxCols + 1> colHasText{};
    ForEachAnchor(table, [&](int r, int c, const CellSpec&) {
        if (ShowsText(table, r, c)) rowHasText[r] = colHasText[c] = true;
    });
    const auto rowsWithText = std::count(rowHasText.begin(), rowHasText.end(), true);
    const auto colsWithText = std::count(colHasText.begin(), colHasText.end(), true);
    const bool dataTable = rowsWithText >= 2 && colsWithText >= 2;
    const bool titleRow = HasTitleRow(table);

    if (dataTable && table.intHeaderRows == 0 && table.intHeaderCols == 0) {
        Finding finding = Of(FindingKind::NoHeaders);
        // The row a header row would be once a title row has become the caption.
        const int headRow = titleRow ? 2 : 1;
        ForEachAnchor(table, [&](int r, int c, const CellSpec&) {
            if (r == headRow) finding.cells.push_back({r, c});
        });
        finding.figure = std::to_string(rowsWithText) + " rows and " +
                         std::to_string(colsWithText) + " columns with text, no header cells";
        finding.fixable = true;
        findings.push_back(std::move(finding));
    }
    if (dataTable && TrimBlanks(table.strCaption).empty()) {
        Finding finding = Of(FindingKind::NoCaption);
        if (titleRow) finding.cells.push_back({1, 1});
        finding.figure = titleRow ? "no caption; row 1 is the title" : "no caption";
        finding.fixable = titleRow;
        findings.push_back(std::move(finding));
    }
    if (titleRow) {
        Finding finding = Of(FindingKind::TitleRow);
        finding.cells.push_back({1, 1});
        finding.figure = "one cell over all " + std::to_string(table.intNumCols) + " columns";
        finding.fixable = true;
        findings.push_back(std::move(finding));
    }

    Finding empty = Of(FindingKind::EmptyHeader);
    int headerCells = 0;
    ForEachAnchor(table, [&](int r, int c, const CellSpec&) {
        if (!IsHeaderCell(table, r, c)) return;
        ++headerCells;
        if (!ShowsText(table, r, c)) empty.cells.push_back({r, c});
    });
    if (!empty.cells.empty()) {
        empty.figure = std::to_string(empty.cells.size()) + " of " + std::to_string(headerCells) +
                       " header cells without text";
        findings.push_back(std::move(empty));
    }

    if (table.outputStyle == OutputStyle::Standard) {
        Finding obsolete = Of(FindingKind::ObsoleteMarkup);
        std::vector<std::string> words;
        ForEachAnchor(table, [&](int r, int c, const CellSpec& cell) {
            std::vector<std::string> own;
            CollectObsolete(cell.strContent, own);
            if (own.empty()) return;
            obsolete.cells.push_back({r, c});
            for (std::string& word : own) {
                if (std::find(words.begin(), words.end(), word) == words.end()) {
                    words.push_back(std::move(word));
                }
            }
        });
        if (!obsolete.cells.empty()) {
            obsolete.figure = Join(words, ", ");
            findings.push_back(std::move(obsolete));
        }
    } else if (table.blnAddHTMLWrapper || dataTable) {
        Finding classic = Of(FindingKind::ClassicStyle);
        classic.figure = std::string("Classic style on ") +
                         (table.blnAddHTMLWrapper ? "a whole web page" : "a data table") +
                         ": it writes font, center and bgcolor, which HTML no longer has, and no "
                         "header cells or caption";
        classic.fixable = true;
        findings.push_back(std::move(classic));
    }
    return findings;
}

std::string KindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::Contrast:
            return "contrast";
        case FindingKind::NoHeaders:
            return "no-headers";
        case FindingKind::NoCaption:
            return "no-caption";
        case FindingKind::TitleRow:
            return "title-row";
        case FindingKind::EmptyHeader:
            return "empty-header";
        case FindingKind::ObsoleteMarkup:
            return "obsolete-markup";
        case FindingKind::ClassicStyle:
            return "classic-style";
    }
    return "unknown";
}

std::string KindCaption(FindingKind kind) {
    switch (kind) {
        case FindingKind::Contrast:
            return "Text hard to read on its background";
        case FindingKind::NoHeaders:
            return "Data table without header cells";
        case FindingKind::NoCaption:
            return "Data table without a caption";
        case FindingKind::TitleRow:
            return "First row used as a title";
        case FindingKind::EmptyHeader:
            return "Header cells without text";
        case FindingKind::ObsoleteMarkup:
            return "Obsolete markup typed in cells";
        case FindingKind::ClassicStyle:
            return "Classic output style";
    }
    return "Unknown";
}

std::string CellList(const Finding& finding) {
    if (finding.cells.empty()) return "table";
    std::vector<std::string> names;
    for (const CellRef& cell : finding.cells) names.push_back(MakePlaceMarker(cell.row, cell.col));
    return Join(names, " ");
}

std::string VisibleText(const std::string& content) {
    std::string text;
    bool inTag = false;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char ch = content[i];
        if (inTag) {
            inTag = ch != '>';
        } else if (ch == '<') {
            inTag = true;
        } else if (ch == '&') {
            static constexpr std::array<std::pair<std::string_view, char>, 6> kReferences = {
                {{"&nbsp;", ' '},
                 {"&amp;", '&'},
                 {"&lt;", '<'},
                 {"&gt;", '>'},
                 {"&quot;", '"'},
                 {"&#39;", '\''}}};
            const std::string_view rest = std::string_view(content).substr(i);
            char read = '&';
            for (const auto& [name, value] : kReferences) {
                if (rest.substr(0, name.size()) == name) {
                    read = value;
                    i += name.size() - 1;
                    break;
                }
            }
            text.push_back(read);
        } else {
            text.push_back(std::iscntrl(static_cast<unsigned char>(ch)) != 0 ? ' ' : ch);
        }
    }
    std::string out;
    for (const char ch : text) {
        if (ch == ' ' && (out.empty() || out.back() == ' ')) continue;
        out.push_back(ch);
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

int EffectiveFontSize(const std::string& fontSize) {
    const std::string text = TrimBlanks(fontSize);
    if (text.empty()) return 3;
    const bool relative = text[0] == '+' || text[0] == '-';
    const int value = static_cast<int>(LeadingNumber(text));
    return std::clamp(relative ? 3 + value : value, 1, 7);
}

bool IsHeaderCell(const TableSpec& table, int row, int col) {
    return row <= table.intHeaderRows || col <= table.intHeaderCols;
}

}  // namespace tabloom
