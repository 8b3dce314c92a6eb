#include "cli_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

namespace tabloom::testing {
namespace {

std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char ch : arg) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return q + "'";
}

}  // namespace

RunResult RunProgram(const std::string& exe, const std::vector<std::string>& args,
                     const TempFolder& folder, const std::string& stdinFile) {
    // A command that blocks ends after a while instead of hanging the suite.
    std::string command = "timeout 20 " + Quoted(exe);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    const std::string out = folder.File("stdout.txt");
    const std::string err = folder.File("stderr.txt");
    command += " <" + Quoted(stdinFile) + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int status = std::system(command.c_str());
    RunResult run;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

}  // namespace tabloom::testing
