#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tabloom {

// tabloom-cli audit TABLE.tbl [--fix OUT.tbl]: prints the table checker's
// findings, one a line: kind, cells and the figure measured, separated by
// tabs. Without --fix the exit code is 0 when there are none, 1 when there
// are some. With --fix the repaired table goes to OUT.tbl and the exit code
// tells about it: 0 when nothing is left to find, 1 when findings without a
// repair remain. args holds the words after "audit"; 2 when they are wrong.
int AuditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabloom
