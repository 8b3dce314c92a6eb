#pragma once

#include <QString>

namespace tabloom {

// Result codes of a launch, in the style of the shell: above 32 the request
// was accepted; otherwise one of the error codes below.
inline constexpr int kLaunchAccepted = 33;
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchOutOfMemory = 8;
inline constexpr int kLaunchNoAssociation = 31;
inline constexpr int kLaunchFailed = 5;

// Opens a file or URL with the program the desktop associates with it.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual int Open(const QString& target) = 0;
};

}  // namespace tabloom
