#include "core/storage/settings_file.h"

#include <filesystem>
#include <system_error>

#include "core/storage/file_text.h"

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

bool SaveSettingsFile(const TableSpec& table, const std::string& outputPath,
                      const std::string& settingsFile, const SaveOptions& options,
                      std::string& reason) {
    if (settingsFile.empty()) {
        reason = "no folder for the settings file";
        return false;
    }
    const SettingsFileLocation location = LocateSettingsFile(FolderOf(settingsFile));
    if (!location.ok) {
        reason = location.reason;
        return false;
    }
    return SaveTable(table, outputPath, settingsFile, options, &reason);
}

std::string UnsavedTableFile(const std::string& settingsFile) { return settingsFile + ".unsaved"; }

bool KeepUnsavedTable(const TableSpec& table, const std::string& outputPath,
                      const std::string& settingsFile, const SaveOptions& options,
                      std::string& reason) {
    if (settingsFile.empty()) {
        reason = "no folder for the settings file";
        return false;
    }
    const std::string file = UnsavedTableFile(settingsFile);
    std::string bytes;
    std::string ignored;
    const bool pathFits = FormatTable(table, outputPath, bytes, ignored);
    return SaveSettingsFile(table, pathFits ? outputPath : std::string(), file, options, reason);
}

}  // namespace tabloom
