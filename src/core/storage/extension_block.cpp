#include "core/storage/extension_block.h"

#include <algorithm>
#include <charconv>

#include "core/model/check_table.h"
#include "core/storage/stored_text.h"

namespace tabloom {

namespace {

constexpr std::string_view kBlockStart = "[tabloom]";
constexpr char kQuote = '"';
constexpr char kQuoteStandIn = '\xFD';

void AppendQuotedSetting(std::string& out, std::string_view key, std::string_view utf8) {
    out += key;
    out += " \"";
    const std::size_t start = out.size();
    AppendStoredText(out, utf8);
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == kQuote) out[i] = kQuoteStandIn;
    }
    out += "\"\r\n";
}

void AppendNumberSetting(std::string& out, std::string_view key, int value) {
    out += key;
    out += ' ';
    out += std::to_string(value);
    out += "\r\n";
}

// Splits off the next line of text (CR LF, CR or LF ends it).
std::string_view NextLine(std::string_view& text) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(0, end);
    std::size_t next = end;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    text.remove_prefix(std::min(next, text.size()));
    return line;
}

bool ReadQuoted(std::string_view value, std::string& text) {
    if (value.size() < 2 || value.front() != kQuote || value.back() != kQuote) return false;
    value = value.substr(1, value.size() - 2);
    if (value.find(kQuote) != std::string_view::npos) return false;
    std::string bytes(value);
    for (char& ch : bytes) {
        if (ch == kQuoteStandIn) ch = kQuote;
    }
    text = ReadStoredText(bytes);
    return true;
}

bool ReadCount(std::string_view value, int max, std::int16_t& count) {
    int n = -1;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 0 || n > max) return false;
    count = static_cast<std::int16_t>(n);
    return true;
}

// Applies one known setting; false when its value is refused.
bool ReadSetting(std::string_view key, std::string_view value, TableSpec& t, bool& known) {
    known = true;
    std::string text;
    if (key == "style") {
        if (!ReadQuoted(value, text)) return false;
        if (text == "classic") {
            t.outputStyle = OutputStyle::Classic;
        } else if (text == "standard") {
            t.outputStyle = OutputStyle::Standard;
        } else {
            return false;
        }
        return true;
    }
    if (key == "lang") {
        if (!ReadQuoted(value, text) || !IsLanguageTag(text)) return false;
        t.strLang = text;
        return true;
    }
    if (key == "header-rows") return ReadCount(value, t.intNumRows, t.intHeaderRows);
    if (key == "header-columns") return ReadCount(value, t.intNumCols, t.intHeaderCols);
    if (key == "caption") {
        if (!ReadQuoted(value, text) || HoldsControlCharacter(text) ||
            CountCodePoints(text) > static_cast<std::size_t>(intMaxCaptionLength)) {
            return false;
        }
        t.strCaption = std::move(text);
        return true;
    }
    known = false;
    return true;
}

}  // namespace

void AppendExtensionBlock(std::string& out, const TableSpec& t) {
    const TableSpec defaults;
    if (t.outputStyle == defaults.outputStyle && t.strLang == defaults.strLang &&
        t.intHeaderRows == defaults.intHeaderRows && t.intHeaderCols == defaults.intHeaderCols &&
        t.strCaption == defaults.strCaption) {
        return;
    }
    out += kBlockStart;
    out += "\r\n";
    if (t.outputStyle == OutputStyle::Standard) AppendQuotedSetting(out, "style", "standard");
    if (!t.strLang.empty()) AppendQuotedSetting(out, "lang", t.strLang);
    if (t.intHeaderRows != 0) AppendNumberSetting(out, "header-rows", t.intHeaderRows);
    if (t.intHeaderCols != 0) AppendNumberSetting(out, "header-columns", t.intHeaderCols);
    if (!t.strCaption.empty()) AppendQuotedSetting(out, "caption", t.strCaption);
}

bool ParseExtensionBlock(std::string_view rest, int firstLine, TableSpec& t, std::string& reason) {
    if (NextLine(rest) != kBlockStart) return true;
    for (int line = firstLine + 1; !rest.empty(); ++line) {
        std::string_view text = NextLine(rest);
        if (text.empty()) continue;
        const std::size_t blank = text.find(' ');
        const std::string_view key = text.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : text.substr(blank + 1);
        bool known = false;
        if (!ReadSetting(key, value, t, known)) {
            reason =
                "line " + std::to_string(line) + ": value out of range for " + std::string(key);
            return false;
        }
        // A newer version's quoted value may span lines: skip to its end.
        if (!known && value.size() > 0 && value.front() == kQuote &&
            value.find(kQuote, 1) == std::string_view::npos) {
            while (!rest.empty() && NextLine(rest).find(kQuote) == std::string_view::npos) ++line;
            ++line;
        }
    }
    return true;
}

}  // namespace tabloom
