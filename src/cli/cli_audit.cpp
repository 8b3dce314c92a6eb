#include "cli_audit.h"

#include "cli_commands.h"
#include "core/audit/audit_fixes.h"
#include "core/audit/table_audit.h"
#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace tabloom {

namespace {

void PrintFindings(const std::vector<Finding>& findings, std::ostream& out) {
    for (const Finding& f : findings) {
        out << KindName(f.kind) << '\t' << CellList(f) << '\t' << f.figure << '\n';
    }
}

}  // namespace

int AuditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string tableFile;
    std::string fixFile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--fix" && fixFile.empty() && i + 1 < args.size() && !args[i + 1].empty()) {
            fixFile = args[++i];
        } else if (tableFile.empty() && !args[i].empty() && args[i] != "--fix") {
            tableFile = args[i];
        } else {
            return kExitUsage;
        }
    }
    if (tableFile.empty()) return kExitUsage;

    TableSpec table;
    InitTableState(table);
    std::string outputPath;
    std::string reason;
    if (!LoadTableInto(tableFile, table, outputPath, reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    const std::vector<Finding> findings = AuditTable(table);
    PrintFindings(findings, out);
    if (fixFile.empty()) return findings.empty() ? kExitOk : kExitFailed;

    const TableSpec fixed = FixAll(table);
    if (!SaveTable(fixed, outputPath, fixFile, SaveOptions{}, &reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    return AuditTable(fixed).empty() ? kExitOk : kExitFailed;
}

}  // namespace tabloom
