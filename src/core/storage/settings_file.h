#pragma once

#include <string>

#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace tabloom {

struct SettingsFileLocation {
    std::string path;    // folder + "/tbm.usr"; empty when no folder was given
    bool ok = false;     // the folder exists (it was created when missing)
    std::string reason;  // why the folder is not usable
};

// The settings file in configFolder (the UI passes its per-user
// configuration folder), creating the folder when it is missing.
SettingsFileLocation LocateSettingsFile(const std::string& configFolder);

// Saves the table to the settings file for the next start. The folder is
// made again when it was removed while the program ran.
bool SaveSettingsFile(const TableSpec& table, const std::string& outputPath,
                      const std::string& settingsFile, const SaveOptions& options,
                      std::string& reason);

// Where a table is kept when the program is ended from outside (a log-out,
// SIGTERM) and the settings file cannot be written: beside that file.
std::string UnsavedTableFile(const std::string& settingsFile);

// Keeps the table in the unsaved-table file. An output path that a table
// file cannot hold is left out rather than losing the table.
bool KeepUnsavedTable(const TableSpec& table, const std::string& outputPath,
                      const std::string& settingsFile, const SaveOptions& options,
                      std::string& reason);

}  // namespace tabloom
