#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tabloom {

using SleepFunction = std::function<void(std::chrono::milliseconds)>;

// Deletes the file at path: four attempts, 500 ms apart. True when the file
// is gone, and also when there was none. clearReadOnly gives the owner write
// permission on the file, and on its folder while deleting when the folder
// would refuse it (the folder's mode is put back). Linux files have no
// hidden or system attributes, so those two flags change nothing.
bool DeleteFile(const std::string& path, bool clearHidden, bool clearReadOnly, bool clearSystem);

// As above; sleep is called for each wait between attempts.
bool DeleteFile(const std::string& path, bool clearHidden, bool clearReadOnly, bool clearSystem,
                const SleepFunction& sleep);

}  // namespace tabloom
