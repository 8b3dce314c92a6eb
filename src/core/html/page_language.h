#pragma once

#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// The primary language of the user's locale from LC_ALL, LC_MESSAGES or LANG
// ("de" for de_DE.UTF-8); "en" when none is set or it names none (C, POSIX).
std::string UserLanguage();

// The table's language, or the user's when the table names none.
std::string PageLanguage(const TableSpec& table);

}  // namespace tabloom
