#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tabloom {

// tabloom-cli from-html IN.html|- OUT.tbl [--table N]: writes the table
// file OUT from the first table of the page IN (the N-th with --table),
// reporting on err what did not fit. args are the words after "from-html".
// -1 when the words do not form the command.
int FromHtmlCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& err);

}  // namespace tabloom
