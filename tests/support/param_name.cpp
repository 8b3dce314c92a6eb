#include "param_name.h"

namespace tabloom {

std::string ParamName(std::string_view text) {
    std::string name;
    bool gap = false;
    for (char ch : text) {
        const bool kept =
            (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !name.empty()) name.push_back('_');
        gap = false;
        name.push_back(ch);
    }
    if (name.empty()) return "empty";
    // ctest would list a name of digits alone by the parameter's bytes.
    if (name.find_first_not_of("0123456789") == std::string::npos) return "number_" + name;
    return name;
}

std::string SpelledParamName(std::string_view text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string spelled;
    for (char ch : text) {
        switch (ch) {
            case ' ':
                spelled += " blank ";
                break;
            case '+':
                spelled += " plus ";
                break;
            case '-':
                spelled += " minus ";
                break;
            case '.':
                spelled += " point ";
                break;
            case '"':
                spelled += " quote ";
                break;
            case ',':
                spelled += " comma ";
                break;
            default:
                if (ParamName(std::string_view(&ch, 1)) == "empty") {
                    const auto byte = static_cast<unsigned char>(ch);
                    spelled += std::string(" x") + kHex[byte >> 4] + kHex[byte & 15] + ' ';
                } else {
                    spelled.push_back(ch);
                }
        }
    }
    return ParamName(spelled);
}

}  // namespace tabloom
