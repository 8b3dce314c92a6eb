#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace tabloom {

// The most a batch command reads: far more than 400 cells of any sensible
// content or page, and a stop for a runaway pipe.
inline constexpr std::size_t kMaxCliInput = 16u << 20;

// Reads inFile ("-": in) whole into bytes; false, with reason, for a folder,
// a file that cannot be opened, a read error or more than kMaxCliInput bytes.
bool ReadCliInput(const std::string& inFile, std::istream& in, std::string& bytes,
                  std::string& reason);

}  // namespace tabloom
