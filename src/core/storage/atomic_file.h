#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tabloom {

// Writes bytes to path through a temporary file in the same folder: the
// temporary is written, flushed to disk and renamed over path only when all
// of it was written. On failure path is untouched, the temporary removed,
// reason set and false returned. byteBudget makes the write fail like a full
// disk once that many bytes are written (a test seam).
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::size_t byteBudget,
                         std::string& reason);

}  // namespace tabloom
