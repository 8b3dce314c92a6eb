#pragma once

#include <map>
#include <string>

namespace tabloom {

// Numbered program texts, read once from the text file (tbm.dat).
//
// File format, UTF-8, one text per line:
//   NUMBER<TAB>TEXT     a text; "\n" inside TEXT stands for a line break
//   # ...               a comment; empty lines are ignored as well
class ProgramTexts {
public:
    // Load result codes; above 0 a load returns the number of texts.
    static constexpr int kNoText = 0;
    static constexpr int kCannotOpen = -1;
    static constexpr int kTooMuchText = -3;
    static constexpr int kEmptyFile = -6;
    static constexpr int kReadError = -7;
    static constexpr int kMissingStringBase = -500;  // -(500 + line)
    static constexpr int kTooLongBase = -1000;       // -(1000 + line)
    static constexpr int kDuplicateBase = -1500;     // -(1500 + line)

    static constexpr std::size_t kMaxTextLength = 1023;  // bytes per text
    static constexpr std::size_t kMaxTexts = 1000;
    static constexpr std::size_t kMaxFileSize = 1 << 20;

    // Replaces the loaded texts with the file's; on failure nothing is loaded.
    int Load(const std::string& path);

    // Text number n; empty when there is none or when the text is "~".
    std::string ProgramText(int n) const;

    std::size_t Count() const { return texts_.size(); }

private:
    std::map<int, std::string> texts_;
};

// The start-up message for a load result of 0 or below; path is named when
// the file could not be opened.
std::string ProgramTextFailureMessage(int result, const std::string& path);

}  // namespace tabloom
