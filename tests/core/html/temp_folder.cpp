#include "temp_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace tabloom {

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 gen(seed());
    for (;;) {
        std::ostringstream name;
        name << "tabloom_html_test_" << std::hex << gen();
        path_ = std::filesystem::temp_directory_path() / name.str();
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tabloom
