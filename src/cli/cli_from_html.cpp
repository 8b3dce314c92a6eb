#include "cli_from_html.h"

#include "cli_commands.h"
#include "cli_input.h"
#include "core/import/import_html_table.h"
#include "core/storage/table_file.h"

namespace tabloom {

namespace {

// "3" for --table; 0 when it is no whole number from 1 on.
int TableNumber(const std::string& text) {
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::stoi(text);
}

}  // namespace

int FromHtmlCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& err) {
    int number = 0;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--table" && i + 1 < args.size() && number == 0) {
            number = TableNumber(args[++i]);
            if (number == 0) {
                err << "error: --table takes a table number from 1 on, not " << args[i] << "\n";
                return kExitUsage;
            }
        } else {
            operands.push_back(args[i]);
        }
    }
    if (operands.size() != 2 || operands[0].empty() || operands[1].empty()) return -1;
    const std::string name = operands[0] == "-" ? "standard input" : operands[0];
    std::string bytes;
    std::string reason;
    if (!ReadCliInput(operands[0], in, bytes, reason)) {
        err << "error: cannot read " << name << ": " << reason << "\n";
        return kExitFailed;
    }
    const HtmlTableImport imported = ImportHtmlTable(bytes, number > 0 ? number - 1 : 0);
    if (!imported.ok) {
        err << "error: " << name << ": " << imported.reason << "\n";
        return kExitFailed;
    }
    if (number == 0) {
        if (imported.tableCount > 1) {
            err << "note: " << name << " holds " << imported.tableCount
                << " tables; the first is taken (--table N for another)\n";
        }
    }
    if (const std::string report = ImportLossReport(imported.losses); !report.empty()) {
        err << "note: " << report << "\n";
    }
    if (!SaveTable(imported.table, std::string(), operands[1], SaveOptions{}, &reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tabloom
