#include "core/model/place_markers.h"

#include "core/model/text_helpers.h"

namespace tabloom {

std::string MakePlaceMarker(int row, int col) {
    return "R" + std::to_string(row) + "C" + std::to_string(col);
}

bool IsPlaceMarkerText(const std::string& content, int numRows, int numCols) {
    const std::string s = TrimBlanks(content);
    if (s.empty() || s[0] != 'R') return false;
    const double n = RoundHalfEven(LeadingNumber(std::string_view(s).substr(1)));
    if (n < 1 || n > numRows) return false;
    const std::size_t c = s.find('C');
    if (c == std::string::npos) return false;
    const std::size_t p = c + 1;  // 1-based
    if (p != 3 && p != 4) return false;
    const double m = RoundHalfEven(LeadingNumber(std::string_view(s).substr(p)));
    if (m < 1 || m > numCols) return false;
    return s.size() == p + std::to_string(static_cast<long long>(m)).size();
}

bool IsPlaceMarker(const TableSpec& table, int row, int col) {
    return IsPlaceMarkerText(table.Cell[row][col].strContent, table.intNumRows, table.intNumCols);
}

}  // namespace tabloom
