#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace tabloom {

// tabloom-cli from-csv IN OUT: writes the table file OUT from the comma- or
// tab-separated text in file IN ("-": from in), with the table options of a
// program start. Exit code of the command; the reason goes to err.
int FromCsv(const std::string& inFile, const std::string& outFile, std::istream& in,
            std::ostream& err);

}  // namespace tabloom
