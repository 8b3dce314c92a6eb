#include "core/csv/delimited_text.h"

#include <cstddef>

namespace tabloom {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at text[i], 0 when there is none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF).
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (at(i + 1) < low || at(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(at(i + k))) return 0;
    }
    return length;
}

// Checks that text is UTF-8 without NUL bytes; on failure sets line and
// reason and returns false.
bool CheckText(std::string_view text, DelimitedResult& result) {
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        if (ch == '\0') {
            result.line = line;
            result.reason = "the text holds a NUL byte";
            return false;
        }
        if (ch == '\n' || (ch == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++line;
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            result.line = line;
            result.reason = "the text is not UTF-8";
            return false;
        }
        i += length;
    }
    return true;
}

bool IsLineBreak(char ch) { return ch == '\r' || ch == '\n'; }

// Tab when a tab stands outside quoted fields; a quote opens a field after
// either separator, so a comma-separated field may quote a tab.
char FindSeparator(std::string_view text) {
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    ++i;
                } else {
                    quoted = false;
                }
            }
            continue;
        }
        if (ch == '\t') return '\t';
        if (ch == '"' && fieldStart) {
            quoted = true;
            continue;
        }
        fieldStart = ch == ',' || IsLineBreak(ch);
    }
    return ',';
}

}  // namespace

DelimitedResult ReadDelimited(std::string_view text) {
    DelimitedResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (!CheckText(text, result)) return result;

    const char sep = FindSeparator(text);
    DelimitedText& data = result.data;
    data.separator = sep;
    const std::size_t n = text.size();
    const auto fail = [&](int line, const char* reason) {
        result.line = line;
        result.reason = reason;
        result.data = {};
        return result;
    };
    // Skips the line break at i (CR LF counts as one).
    const auto lineBreakLength = [&](std::size_t i) -> std::size_t {
        return text[i] == '\r' && i + 1 < n && text[i + 1] == '\n' ? 2 : 1;
    };

    std::size_t i = 0;
    int line = 1;
    int rowLine = 1;
    std::vector<std::string> row;
    while (i < n) {
        std::string field;
        if (text[i] == '"') {
            const int openLine = line;
            ++i;
            for (;;) {
                if (i >= n) return fail(openLine, "a quoted field is not closed");
                const char ch = text[i];
                if (ch == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (IsLineBreak(ch)) {
                    field += "\r\n";
                    i += lineBreakLength(i);
                    ++line;
                    continue;
                }
                field += ch;
                ++i;
            }
            if (i < n && text[i] != sep && !IsLineBreak(text[i])) {
                return fail(line, "text follows the closing quote of a field");
            }
        } else {
            const std::size_t start = i;
            while (i < n && text[i] != sep && !IsLineBreak(text[i])) ++i;
            field.assign(text.substr(start, i - start));
        }
        row.push_back(std::move(field));

        if (i < n && text[i] == sep) {
            ++i;
            // A separator at the very end leaves one empty field.
            if (i == n) row.emplace_back();
            continue;
        }
        if (i < n) {
            i += lineBreakLength(i);
            ++line;
        }
        data.rows.push_back(std::move(row));
        data.rowLines.push_back(rowLine);
        row.clear();
        rowLine = line;
    }
    if (!row.empty()) {
        data.rows.push_back(std::move(row));
        data.rowLines.push_back(rowLine);
    }
    result.ok = true;
    return result;
}

std::string WriteDelimited(const std::vector<std::vector<std::string>>& rows, char separator) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) text += separator;
            text += '"';
            for (char ch : row[k]) {
                if (ch == '"') text += '"';
                text += ch;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace tabloom
