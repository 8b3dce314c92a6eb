#include "core/html/output_path_check.h"

#include "core/model/check_table.h"

namespace tabloom {

namespace {

// The path with each control character named, so that the user can see
// which folder or name holds it.
std::string Visible(std::string_view path) {
    std::string out;
    for (const char ch : path) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 0x20) {
            out.push_back(ch);
        } else if (code == '\t') {
            out += "[tab]";
        } else if (code == '\n' || code == '\r') {
            out += "[line break]";
        } else {
            out += "[control character " + std::to_string(code) + "]";
        }
    }
    return out;
}

}  // namespace

std::string OutputPathRefusal(std::string_view path) {
    if (!HoldsControlCharacter(path)) return {};
    return "This output file cannot be used: its path holds a tab, a line break or another "
           "control character, which a saved table cannot keep.\n\n" +
           Visible(path) + "\n\nPlease choose a folder and a file name without one.";
}

}  // namespace tabloom
