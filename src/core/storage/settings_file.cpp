#include "core/storage/settings_file.h"

#include <filesystem>
#include <system_error>

namespace tabloom {

SettingsFileLocation LocateSettingsFile(const std::string& configFolder) {
    SettingsFileLocation location;
    if (configFolder.empty()) {
        location.reason = "no configuration folder";
        return location;
    }
    std::string folder = configFolder;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    location.path = (folder == "/" ? "" : folder) + "/tbm.usr";

    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec && !fs::is_directory(folder, ec)) ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) {
        location.reason = "cannot use " + folder + " as the settings folder: " + ec.message();
        return location;
    }
    location.ok = true;
    return location;
}

}  // namespace tabloom
