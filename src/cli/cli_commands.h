#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tabloom {

// Exit codes of tabloom-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs one command line (without the program name). dataFolder holds the
// program-text file; out and err take the messages.
int RunCli(const std::vector<std::string>& args, const std::string& dataFolder, std::ostream& out,
           std::ostream& err);

// The folder of tbm.dat for the executable at exePath: beside it in a build
// tree, ../share/tabloom when installed.
std::string FindDataFolder(const std::string& exePath);

}  // namespace tabloom
