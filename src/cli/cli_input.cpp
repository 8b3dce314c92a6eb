#include "cli_input.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tabloom {

namespace {

// Reads all of stream into bytes; false, with reason, past kMaxCliInput or on a
// read error.
bool ReadAll(std::istream& stream, std::string& bytes, std::string& reason) {
    char buffer[65536];
    while (stream) {
        stream.read(buffer, sizeof buffer);
        bytes.append(buffer, static_cast<std::size_t>(stream.gcount()));
        if (bytes.size() > kMaxCliInput) {
            reason = "larger than 16 MiB";
            return false;
        }
    }
    if (stream.bad()) {
        reason = "read error";
        return false;
    }
    return true;
}

}  // namespace

bool ReadCliInput(const std::string& inFile, std::istream& in, std::string& bytes,
                  std::string& reason) {
    if (inFile == "-") return ReadAll(in, bytes, reason);
    std::error_code ec;
    if (std::filesystem::is_directory(inFile, ec)) {
        reason = "is a folder";
        return false;
    }
    std::ifstream file(inFile, std::ios::binary);
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    return ReadAll(file, bytes, reason);
}

}  // namespace tabloom
