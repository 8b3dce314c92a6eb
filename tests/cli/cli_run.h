#pragma once

#include <string>
#include <vector>

#include "temp_folder.h"

namespace tabloom::testing {

struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the program at exe with args and stdin from the file stdinFile; its
// output goes through files in folder.
RunResult RunProgram(const std::string& exe, const std::vector<std::string>& args,
                     const TempFolder& folder, const std::string& stdinFile = "/dev/null");

// RunProgram for the built tabloom-cli.
inline RunResult Cli(const std::vector<std::string>& args, const TempFolder& folder,
                     const std::string& stdinFile = "/dev/null") {
    return RunProgram(TABLOOM_CLI_PATH, args, folder, stdinFile);
}

}  // namespace tabloom::testing
