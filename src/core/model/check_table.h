#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/table_spec.h"

namespace tabloom {

// The first rule a table breaks. row and col are 0 for a table-level field.
struct TableOffence {
    int row = 0;
    int col = 0;
    std::string what;   // e.g. "number out of range"
    std::string field;  // the field's name, e.g. "intAlign"
};

// Checks what the grid, the HTML code and the table file rely on:
// dimensions 1..20, name-table indexes, alignments, font texts, and spans
// that form disjoint blocks inside the table, every covered position naming
// the anchor whose block holds it. Only positions inside the dimensions count.
std::optional<TableOffence> FindTableOffence(const TableSpec& table);

// "row 2, column 3: number out of range for intAlign" or "table: ...".
std::string DescribeOffence(const TableOffence& offence);

// Empty when the table is sound, otherwise the first offence described.
std::string CheckTable(const TableSpec& table);

// True for "" (the user's locale decides) and for a tag of letters and
// digits in subtags of 1 to 8 separated by '-', starting with a letter,
// at most intMaxLangLength long ("en", "de-CH", "zh-Hant-TW").
bool IsLanguageTag(std::string_view tag);

// The number of characters in UTF-8 text (continuation bytes not counted).
std::size_t CountCodePoints(std::string_view utf8);

// True when text holds a C0 control character (bytes 0..31), NUL included.
bool HoldsControlCharacter(std::string_view text);

}  // namespace tabloom
