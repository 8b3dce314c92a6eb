#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace tabloom {

// Failures a test can inject into a write.
struct WriteFaults {
    // The write fails like a full disk once this many bytes are written.
    std::size_t byteBudget = std::numeric_limits<std::size_t>::max();
    // No temporary file can be made, as in a folder that allows no new files.
    bool refuseTemporaryFile = false;
};

// Writes bytes to path through a temporary file in the same folder: the
// temporary is written, flushed to disk and renamed over path only when all
// of it was written. When no temporary file can be made beside an existing
// file, that file is rewritten in place instead and its old bytes are put
// back if the rewrite fails. On failure path holds its old bytes, no
// temporary is left, reason is set and false returned.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, const WriteFaults& faults,
                         std::string& reason);

}  // namespace tabloom
