#pragma once

#include <string>

namespace tabloom {

struct SettingsFileLocation {
    std::string path;    // folder + "/tbm.usr"; empty when no folder was given
    bool ok = false;     // the folder exists (it was created when missing)
    std::string reason;  // why the folder is not usable
};

// The settings file in configFolder (the UI passes its per-user
// configuration folder), creating the folder when it is missing.
SettingsFileLocation LocateSettingsFile(const std::string& configFolder);

}  // namespace tabloom
