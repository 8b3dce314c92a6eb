#pragma once

#include <QString>

namespace tabloom {

inline constexpr const char* kProgramTextFile = "tbm.dat";

// The folder holding the program's data files for an executable in exeDir:
// exeDir itself when the program-text file lies there (the build tree),
// otherwise exeDir/../share/tabloom (an installed program). No trailing "/".
QString DataFolderFor(const QString& exeDir);

// The folder of the settings file: configured when given, otherwise the
// user's configuration folder ($XDG_CONFIG_HOME/tabloom).
QString ConfigFolderFor(const QString& configured);

}  // namespace tabloom
