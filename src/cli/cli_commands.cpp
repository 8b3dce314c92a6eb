#include "cli_commands.h"

#include <sys/stat.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <string_view>
#include <system_error>

#include "cli_audit.h"
#include "cli_export.h"
#include "cli_extension.h"
#include "cli_from_csv.h"
#include "cli_from_html.h"
#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"
#include "core/model/version.h"
#include "core/storage/file_text.h"
#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"

namespace tabloom {

namespace {

constexpr const char* kDataFile = "tbm.dat";
constexpr int kSuccessText = 29;

void PrintUsage(std::ostream& to) {
    to << "usage: tabloom-cli html [--force] [--style classic|standard] TABLE.tbl [OUTPUT]\n"
          "                                             write the table's HTML code\n"
          "       tabloom-cli check TABLE.tbl           check that the table file loads\n"
          "       tabloom-cli resave IN.tbl OUT.tbl     load a table file and save it again\n"
          "       tabloom-cli from-csv IN.csv|- OUT.tbl write a table file from CSV or TSV\n"
          "       tabloom-cli audit TABLE.tbl [--fix OUT.tbl] list the table checker's findings\n"
          "       tabloom-cli from-html IN.html|- OUT.tbl [--table N]\n"
          "                                             write a table file from a page's table\n"
          "       tabloom-cli export --to markdown|latex|mediawiki|csv TABLE.tbl [OUTPUT]\n"
          "                                             write the table in another format\n"
          "       tabloom-cli --help | --version\n"
          "\n"
          "Without OUTPUT, html writes to the output file named in TABLE.tbl, and only\n"
          "when that name ends in .htm or .html; a file already there is replaced only\n"
          "with --force. An OUTPUT given is written as it is. The output is never the\n"
          "table file itself. --style overrides the output style stored in the table;\n"
          "check also prints the style, language, header rows and columns and caption.\n"
          "audit prints one finding a line (kind, cells, figure) and exits with 1 when\n"
          "there are any; --fix writes the repaired table to OUT.tbl and exits with 1\n"
          "only when findings without a repair remain.\n";
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
    PrintExtensionSettings(table, out);
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

bool EndsWithHtmlName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string name =
        LowerCase1252(slash == std::string::npos ? path : path.substr(slash + 1));
    auto endsWith = [&name](std::string_view tail) {
        return name.size() > tail.size() &&
               name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    return endsWith(".htm") || endsWith(".html");
}

// True when output names the table file itself: the same file when it
// exists, the same normalised path otherwise.
bool SameFile(const std::string& table, const std::string& output) {
    struct stat a {};
    struct stat b {};
    if (::stat(table.c_str(), &a) == 0 && ::stat(output.c_str(), &b) == 0) {
        return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
    }
    std::error_code ec;
    const auto left = std::filesystem::weakly_canonical(table, ec);
    if (ec) return false;
    const auto right = std::filesystem::weakly_canonical(output, ec);
    return !ec && left == right;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

int Html(const std::string& tableFile, const std::string& givenOutput, bool force,
         std::optional<OutputStyle> style, const std::string& dataFolder, std::ostream& out,
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
    if (!Load(tableFile, table, outputPath, err)) return kExitFailed;
    if (style) table.outputStyle = *style;
    if (!givenOutput.empty()) {
        outputPath = givenOutput;
    } else if (outputPath.empty()) {
        err << "error: no output file given, and " << tableFile << " names none\n";
        return kExitFailed;
    } else if (!EndsWithHtmlName(outputPath)) {
        // A table file from elsewhere could name any file, a shell start-up
        // file for one.
        err << "error: the output file named in " << tableFile << " (" << outputPath
            << ") does not end in .htm or .html; give OUTPUT to write there\n";
        return kExitFailed;
    } else if (!force && Exists(outputPath)) {
        err << "error: " << outputPath << " exists; give --force to replace it, or give OUTPUT\n";
        return kExitFailed;
    }
    if (SameFile(tableFile, outputPath)) {
        err << "error: the output file is the table file itself: " << outputPath << "\n";
        return kExitFailed;
    }
    const HtmlResult result =
        WriteTableHtml(table, outputPath, SystemClock(), texts.ProgramText(kSuccessText));
    // Success only when the result shown is the success text.
    if (!result.blnOutputWritten) {
        err << result.strResult << "\n";
        return kExitFailed;
    }
    out << result.strResult << "\n";
    return kExitOk;
}

// html [--force] [--style S] TABLE.tbl [OUTPUT], options anywhere after html.
int HtmlCommand(const std::vector<std::string>& args, const std::string& dataFolder,
                std::ostream& out, std::ostream& err) {
    bool force = false;
    std::optional<OutputStyle> style;
    std::vector<std::string> operands;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--force" && !force) {
            force = true;
        } else if (args[i] == "--style" && !style) {
            if (i + 1 == args.size() || !(style = StyleNamed(args[++i]))) return Usage(err);
        } else {
            operands.push_back(args[i]);
        }
    }
    if (operands.empty() || operands.size() > 2 || operands[0].empty() ||
        (operands.size() == 2 && operands[1].empty())) {
        return Usage(err);
    }
    return Html(operands[0], operands.size() == 2 ? operands[1] : std::string(), force, style,
                dataFolder, out, err);
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
    if (command == "html") return HtmlCommand(args, dataFolder, out, err);
    if (command == "audit") {
        const int code = AuditCommand({args.begin() + 1, args.end()}, out, err);
        return code == kExitUsage ? Usage(err) : code;
    }
    if (command == "check" && args.size() == 2) return Check(args[1], out, err);
    if (command == "resave" && args.size() == 3) return Resave(args[1], args[2], err);
    if (command == "from-csv" && args.size() == 3) return FromCsv(args[1], args[2], std::cin, err);
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "from-html") {
        if (const int code = FromHtmlCommand(rest, std::cin, err); code >= 0) return code;
    }
    if (command == "export") {
        if (const int code = ExportCommand(rest, out, err); code >= 0) return code;
    }
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
