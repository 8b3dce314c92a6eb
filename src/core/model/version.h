#pragma once

namespace tabloom {

inline constexpr int kVersionMajor = 12;
inline constexpr int kVersionMinor = 0;
// Major, a point, minor and a "0".
inline constexpr const char* ProgramVersionText = "12.00";

}  // namespace tabloom
