#pragma once

#include <cstdint>
#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

inline constexpr const char* kTableFrameCheckTitle = "Inadmissible input";

// What the table frame window shows and collects: the texts of its four
// number boxes, the width unit and the border colour and style indexes.
struct TableFrameEntry {
    std::string width;
    std::string border;
    std::string padding;
    std::string spacing;
    bool percent = false;
    int borderColorIndex = 0;
    int borderStyleIndex = 0;
};

// The window's entries for the table's frame ("" for a value not specified).
TableFrameEntry TableFrameEntryOf(const TableSpec& table);

// The number boxes of the window, for the one a refusal is about.
enum class TableFrameBox { None, Width, Border, Padding, Spacing };

// Trims the four texts in place, then checks them in order; the message of
// the first value out of range, empty when all may be stored. Values are
// checked as read, before any rounding. failed, when given, names the box
// of that value (None when all may be stored).
std::string CheckTableFrame(TableFrameEntry& entry, TableFrameBox* failed = nullptr);

// Stores a checked entry: each number rounded to the nearest integer (halves
// to even), -1 for an empty box; the unit follows the option even when the
// width box is empty. Indexes outside the border lists are left unstored.
void StoreTableFrame(const TableFrameEntry& entry, TableSpec& table);

}  // namespace tabloom
