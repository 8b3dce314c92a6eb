#include "cli_export.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cli_commands.h"
#include "core/export/export_table.h"
#include "core/model/table_spec.h"
#include "core/storage/atomic_file.h"
#include "core/storage/table_file.h"

namespace tabloom {

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<ExportFormat> format;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size() && !format) {
            format = ExportFormatNamed(args[++i]);
            if (!format) {
                err << "error: unknown format " << args[i]
                    << "; give markdown, latex, mediawiki or csv\n";
                return kExitUsage;
            }
        } else {
            operands.push_back(args[i]);
        }
    }
    if (!format || operands.empty() || operands.size() > 2 || operands[0].empty() ||
        (operands.size() == 2 && operands[1].empty())) {
        return -1;  // the caller prints the usage
    }
    TableSpec table;
    InitTableState(table);
    std::string outputPath;
    std::string reason;
    if (!LoadTableInto(operands[0], table, outputPath, reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    const ExportResult result = ExportTable(table, *format);
    if (const std::string report = LossReport(*format, result.losses); !report.empty()) {
        err << "note: " << report << "\n";
    }
    if (operands.size() == 1) {
        out << result.text;
        return out ? kExitOk : kExitFailed;
    }
    if (SameFile(operands[0], operands[1])) {
        err << "error: the output file is the table file itself: " << operands[1] << "\n";
        return kExitFailed;
    }
    if (!WriteFileAtomically(operands[1], result.text, WriteFaults{}, reason)) {
        err << "error: cannot write " << operands[1] << ": " << reason << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tabloom
