#pragma once

#include <string>
#include <string_view>

#include "core/html/render_table_html.h"

namespace tabloom {

// The standard style: a conforming UTF-8 page (or the table alone) whose
// look is CSS in style attributes, saying what the classic attributes say
// in a browser's standards mode. The caller has checked the table.
TableHtmlParts RenderStandardHtmlParts(const TableSpec& table, const Clock& clock);

// The CSS absolute size keyword of a font size attribute value ("4", "+1",
// "-2"); nullptr when the value sets no size.
const char* FontSizeKeyword(std::string_view size);

// The CSS font-family list of a font face attribute value, which a browser
// reads as CSS: the names as they are (so that "sans-serif" stays generic);
// empty when one of them is not a CSS name, as the browser then ignores the face.
std::string FontFamilyList(std::string_view face);

}  // namespace tabloom
