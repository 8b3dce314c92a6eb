#include "core/html/page_language.h"

#include <cstdlib>
#include <string_view>

#include "core/model/check_table.h"

namespace tabloom {

std::string UserLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        std::string_view locale(value);
        locale = locale.substr(0, locale.find_first_of("_.@"));
        const std::string language(locale);
        if (locale.size() < 2 || locale.size() > 3 || !IsLanguageTag(language)) return "en";
        return language;
    }
    return "en";
}

std::string PageLanguage(const TableSpec& table) {
    return table.strLang.empty() ? UserLanguage() : table.strLang;
}

}  // namespace tabloom
