#pragma once

#include <string>
#include <string_view>

namespace tabloom {

// Empty when the chosen output path (UTF-8) can be used; otherwise the
// message that refuses it. A path with a control character (a tab, a line
// break) could be written once but never stored in a table file, so every
// later save would fail.
std::string OutputPathRefusal(std::string_view path);

}  // namespace tabloom
