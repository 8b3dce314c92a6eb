#include "cli_extension.h"

namespace tabloom {

void PrintExtensionSettings(const TableSpec& table, std::ostream& out) {
    out << "style: " << (table.outputStyle == OutputStyle::Standard ? "standard" : "classic")
        << "\n";
    out << "lang: " << (table.strLang.empty() ? "(the user's locale)" : table.strLang) << "\n";
    out << "header rows: " << table.intHeaderRows << "\n";
    out << "header columns: " << table.intHeaderCols << "\n";
    out << "caption: " << (table.strCaption.empty() ? "(none)" : table.strCaption) << "\n";
}

std::optional<OutputStyle> StyleNamed(std::string_view name) {
    if (name == "classic") return OutputStyle::Classic;
    if (name == "standard") return OutputStyle::Standard;
    return std::nullopt;
}

}  // namespace tabloom
