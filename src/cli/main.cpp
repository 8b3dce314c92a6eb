#include <unistd.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli_commands.h"

namespace {

// The running executable's own path; argv[0] need not hold it.
std::string ExecutablePath(const char* argv0) {
    std::string buffer(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return argv0 != nullptr ? argv0 : "";
    buffer.resize(static_cast<std::size_t>(n));
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        const std::string dataFolder =
            tabloom::FindDataFolder(ExecutablePath(argc > 0 ? argv[0] : nullptr));
        return tabloom::RunCli(args, dataFolder, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "error: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "error: unexpected failure\n";
    }
    return tabloom::kExitFailed;
}
