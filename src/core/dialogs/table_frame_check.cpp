#include "core/dialogs/table_frame_check.h"

#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

std::string BoxText(std::int16_t value) { return value == -1 ? std::string() : NumOf(value); }

// True when the box is empty or holds a number within [low, high].
bool InRange(const std::string& text, double low, double high) {
    if (text.empty()) return true;
    const double v = LeadingNumber(text);
    return v >= low && v <= high;
}

std::int16_t StoredValue(const std::string& text) {
    return text.empty() ? std::int16_t{-1} : RoundToInt16(LeadingNumber(text));
}

}  // namespace

TableFrameEntry TableFrameEntryOf(const TableSpec& table) {
    TableFrameEntry entry;
    entry.width = BoxText(table.intTableWidth);
    entry.border = BoxText(table.intBorder);
    entry.padding = BoxText(table.intCellPadding);
    entry.spacing = BoxText(table.intCellSpacing);
    entry.percent = table.intTableWidthUnit == 0;
    entry.borderColorIndex = table.intBorderColorIndex;
    entry.borderStyleIndex = table.intBorderStyleIndex;
    return entry;
}

std::string CheckTableFrame(TableFrameEntry& entry, TableFrameBox* failed) {
    entry.width = TrimBlanks(entry.width);
    entry.border = TrimBlanks(entry.border);
    entry.padding = TrimBlanks(entry.padding);
    entry.spacing = TrimBlanks(entry.spacing);
    struct Rule {
        TableFrameBox box;
        const std::string& text;
        double low, high;
        const char* message;
    };
    const Rule rules[] = {
        entry.percent ? Rule{TableFrameBox::Width, entry.width, 5, 100,
                             " Width in percent must be in the range 5 through 100."}
                      : Rule{TableFrameBox::Width, entry.width, 50, 1000,
                             " Width in pixels must be in the range 50 through 1000."},
        {TableFrameBox::Border, entry.border, 0, 100,
         " Border in pixels must be in the range 0 through 100."},
        {TableFrameBox::Padding, entry.padding, 0, 100,
         " Cellpadding in pixels must be in the range 0 through 100."},
        {TableFrameBox::Spacing, entry.spacing, 0, 100,
         " Cell spacing in pixels must be in the range 0 through 100."},
    };
    for (const Rule& rule : rules) {
        if (!InRange(rule.text, rule.low, rule.high)) {
            if (failed != nullptr) *failed = rule.box;
            return rule.message;
        }
    }
    if (failed != nullptr) *failed = TableFrameBox::None;
    return {};
}

void StoreTableFrame(const TableFrameEntry& entry, TableSpec& table) {
    table.intTableWidth = StoredValue(entry.width);
    table.intTableWidthUnit = entry.percent ? 0 : 1;
    table.intBorder = StoredValue(entry.border);
    table.intCellPadding = StoredValue(entry.padding);
    table.intCellSpacing = StoredValue(entry.spacing);
    if (entry.borderColorIndex >= 0 &&
        entry.borderColorIndex < static_cast<int>(strBorderColorName.size())) {
        table.intBorderColorIndex = static_cast<std::int16_t>(entry.borderColorIndex);
    }
    if (entry.borderStyleIndex >= 0 &&
        entry.borderStyleIndex < static_cast<int>(strBorderStyleName.size())) {
        table.intBorderStyleIndex = static_cast<std::int16_t>(entry.borderStyleIndex);
    }
}

}  // namespace tabloom
