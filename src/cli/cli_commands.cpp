#include "cli_commands.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli_from_csv.h"
#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"
#include "core/model/version.h"
#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"

namespace tabloom {

namespace {

constexpr const char* kDataFile = "tbm.dat";
constexpr int kSuccessText = 29;

void PrintUsage(std::ostream& to) {
    to << "usage: tabloom-cli html TABLE.tbl [OUTPUT]   write the table's HTML code\n"
          "       tabloom-cli check TABLE.tbl           check that the table file loads\n"
          "       tabloom-cli resave IN.tbl OUT.tbl     load a table file and save it again\n"
          "       tabloom-cli from-csv IN.csv|- OUT.tbl write a table file from CSV or TSV\n"
          "       tabloom-cli --help | --version\n";
}

int Usage(std::ostream& err) {
    PrintUsage(err);
    return kExitUsage;
}

// Loads file into a table at its program-start values.
bool Load(const std::string& file, TableSpec& table, std::string& outputPath, std::ostream& err) {
    InitTableState(table);
    std::string reason;
    if (!LoadTableInto(file, table, outputPath, reason)) {
        err << "error: " << reason << "\n";
        return false;
    }
    return true;
}

int Check(const std::string& file, std::ostream& out, std::ostream& err) {
    TableSpec table;
    std::string outputPath;
    if (!Load(file, table, outputPath, err)) return kExitFailed;
    out << "ok: " << table.intNumRows << " rows, " << table.intNumCols << " columns\n";
    return kExitOk;
}

int Resave(const std::string& in, const std::string& to, std::ostream& err) {
    TableSpec table;
    std::string outputPath;
    if (!Load(in, table, outputPath, err)) return kExitFailed;
    std::string reason;
    if (!SaveTable(table, outputPath, to, SaveOptions{}, &reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int Html(const std::vector<std::string>& args, const std::string& dataFolder, std::ostream& out,
         std::ostream& err) {
    ProgramTexts texts;
    const std::string textFile = dataFolder + "/" + kDataFile;
    const int loaded = texts.Load(textFile);
    if (loaded <= 0) {
        err << ProgramTextFailureMessage(loaded, textFile) << "\n";
        return kExitFailed;
    }
    TableSpec table;
    std::string outputPath;
    if (!Load(args[1], table, outputPath, err)) return kExitFailed;
    if (args.size() == 3) outputPath = args[2];
    if (outputPath.empty()) {
        err << "error: no output file given, and " << args[1] << " names none\n";
        return kExitFailed;
    }
    const HtmlResult result =
        WriteTableHtml(table, outputPath, SystemClock(), texts.ProgramText(kSuccessText));
    if (result.stage != 0) {
        err << result.strResult << "\n";
        return kExitFailed;
    }
    out << result.strResult << "\n";
    return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::string& dataFolder, std::ostream& out,
           std::ostream& err) {
    if (args.empty()) return Usage(err);
    const std::string& command = args[0];
    if (command == "--help" && args.size() == 1) {
        PrintUsage(out);
        return kExitOk;
    }
    if (command == "--version" && args.size() == 1) {
        out << "tabloom-cli " << ProgramVersionText << "\n";
        return kExitOk;
    }
    if (command == "html" && (args.size() == 2 || args.size() == 3)) {
        return Html(args, dataFolder, out, err);
    }
    if (command == "check" && args.size() == 2) return Check(args[1], out, err);
    if (command == "resave" && args.size() == 3) return Resave(args[1], args[2], err);
    if (command == "from-csv" && args.size() == 3) return FromCsv(args[1], args[2], std::cin, err);
    return Usage(err);
}

std::string FindDataFolder(const std::string& exePath) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(exePath).parent_path();
    std::error_code ec;
    if (fs::exists(folder / kDataFile, ec)) return folder.string();
    const fs::path installed = folder / ".." / "share" / "tabloom";
    if (fs::exists(installed / kDataFile, ec)) return installed.lexically_normal().string();
    return folder.string();  // the failure message then names the file beside the program
}

}  // namespace tabloom
