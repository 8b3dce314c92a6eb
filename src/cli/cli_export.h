#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tabloom {

// tabloom-cli export --to markdown|latex|mediawiki|csv TABLE.tbl [OUTPUT]:
// writes the table in that format to OUTPUT, or to out without one; what
// the format cannot hold goes to err. args are the words after "export".
int ExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabloom
