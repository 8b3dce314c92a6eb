#include "core/model/text_helpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tabloom {

double LeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char ch : text) {
        if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') s.push_back(ch);
    }
    std::size_t i = 0;
    const auto isDigit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t from = i;
    std::size_t digits = 0;
    // Decimal place of the first non-zero digit, for values beyond a double.
    long magnitude = 0;
    bool significant = false;
    while (isDigit(i)) {
        significant = significant || s[i] != '0';
        magnitude += significant ? 1 : 0;
        ++i, ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (isDigit(i)) {
            if (!significant && s[i] == '0') --magnitude;
            significant = significant || s[i] != '0';
            ++i, ++digits;
        }
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t k = i + 1;
        const bool negativeExponent = k < s.size() && s[k] == '-';
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (isDigit(k)) {
            long exponent = 0;
            for (; isDigit(k); ++k) exponent = std::min(exponent * 10 + (s[k] - '0'), 1L << 20);
            magnitude += negativeExponent ? -exponent : exponent;
            end = k;
        }
    }
    // from_chars reads a decimal point whatever locale the process has set.
    double value = 0.0;
    const auto result =
        std::from_chars(s.data() + from, s.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) value = magnitude > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

std::int16_t RoundToInt16(double value) {
    if (std::isnan(value)) return 0;
    const double r = RoundHalfEven(value);
    if (r <= std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    if (r >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

std::string TrimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int SplitText(std::string_view text, std::string_view delimiter, int start,
              std::vector<std::string>& parts, bool trim, int maxParts, int minLength) {
    if (start < 1) start = 1;
    if (static_cast<std::size_t>(start - 1) >= text.size()) return 0;
    std::string s(text.substr(start - 1));
    if (s.empty()) return 0;
    if (delimiter.empty()) {
        parts.assign(1, trim ? TrimBlanks(s) : s);
        return 1;
    }
    if (s.compare(0, delimiter.size(), delimiter) == 0) s.erase(0, delimiter.size());
    if (s.size() < delimiter.size() ||
        s.compare(s.size() - delimiter.size(), delimiter.size(), delimiter) != 0) {
        s.append(delimiter);
    }
    std::vector<std::string> found;
    std::size_t pos = 0;
    const bool blankDelimiter = delimiter == " ";
    while (pos < s.size()) {
        std::size_t p = s.find(delimiter, pos);
        if (p == std::string::npos) p = s.size();  // cannot happen: s ends with the delimiter
        std::string piece = s.substr(pos, p - pos);
        if (trim) piece = TrimBlanks(piece);
        if (static_cast<int>(piece.size()) >= minLength) {
            found.push_back(std::move(piece));
            if (maxParts > 0 && static_cast<int>(found.size()) == maxParts) break;
        }
        pos = p + delimiter.size();
        if (blankDelimiter) {
            while (pos < s.size() && s[pos] == ' ') ++pos;
        }
    }
    const int count = static_cast<int>(found.size());
    if (count > 0) parts = std::move(found);
    return count;
}

int FirstNotIn(std::string_view text, int start, std::string_view charset) {
    if (text.empty()) return 0;
    if (charset.empty()) return 1;
    for (std::size_t i = static_cast<std::size_t>(start < 1 ? 1 : start); i <= text.size(); ++i) {
        if (charset.find(text[i - 1]) == std::string_view::npos) return static_cast<int>(i);
    }
    return 0;
}

int FirstNonBlank(std::string_view text, int start) { return FirstNotIn(text, start, " "); }

std::string TimeStamp(const LocalDateTime& t, bool timeFirst, bool withSeconds) {
    char date[32];
    char time[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", t.year, t.month, t.day);
    if (withSeconds) {
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    } else {
        std::snprintf(time, sizeof time, "%02d:%02d", t.hour, t.minute);
    }
    return timeFirst ? std::string(time) + " on " + date : std::string(date) + " " + time;
}

std::string TimeStamp(const Clock& clock, bool timeFirst, bool withSeconds) {
    return TimeStamp(clock.Now(), timeFirst, withSeconds);
}

std::string StringOf(long long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

std::string NumOf(long long n) { return std::to_string(n); }

}  // namespace tabloom
