#include "core/texts/program_texts.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tabloom {

namespace {

bool ParseNumber(const std::string& text, int& number) {
    if (text.empty() || text.size() > 6) return false;
    number = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        number = number * 10 + (ch - '0');
    }
    return true;
}

std::string Unescape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back('\n');
            ++i;
        } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out.push_back('\\');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

int ProgramTexts::Load(const std::string& path) {
    texts_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return kCannotOpen;
    std::string content;
    std::size_t total = 0;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        total += static_cast<std::size_t>(in.gcount());
        if (total > kMaxFileSize) return kTooMuchText;
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    // A folder opens but cannot be read.
    if (in.bad() || (!in.eof() && in.fail())) return kReadError;
    if (content.empty()) return kEmptyFile;

    std::map<int, std::string> loaded;
    std::istringstream lines(content);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::size_t tab = line.find('\t');
        int number = 0;
        if (tab == std::string::npos || !ParseNumber(line.substr(0, tab), number) ||
            tab + 1 >= line.size()) {
            return kMissingStringBase - lineNumber;
        }
        std::string text = Unescape(line.substr(tab + 1));
        if (text.size() > kMaxTextLength) return kTooLongBase - lineNumber;
        if (loaded.count(number) != 0) return kDuplicateBase - lineNumber;
        if (loaded.size() >= kMaxTexts) return kTooMuchText;
        loaded.emplace(number, std::move(text));
    }
    texts_ = std::move(loaded);
    return static_cast<int>(texts_.size());
}

std::string ProgramTexts::ProgramText(int n) const {
    const auto it = texts_.find(n);
    if (it == texts_.end() || it->second == "~") return {};
    return it->second;
}

std::string ProgramTextFailureMessage(int result, const std::string& path) {
    switch (result) {
        case 0:
            return "No program text was read.";
        case -1:
            return "Cannot open file containing program text.\n" + path;
        case -2:
            return "Particular memory allocation error.";
        case -3:
            return "Too much program text.";
        case -4:
            return "Text not recovered.";
        case -6:
            return "File is empty.";
        case -7:
            return "Error reading file.";
        case -8:
            return "General memory allocation error.";
        default:
            break;
    }
    if (result < -1500) {
        return "Duplicate in program text at line " + std::to_string(-(result + 1500)) + ".";
    }
    if (result <= -1001) {
        return "String too long at line " + std::to_string(-(result + 1000)) + ".";
    }
    if (result <= -501) {
        return "Missing string at line " + std::to_string(-(result + 500)) + ".";
    }
    return "Error " + std::string(result >= 0 ? " " : "") + std::to_string(result);
}

}  // namespace tabloom
