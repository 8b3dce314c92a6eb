#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/clock.h"

namespace tabloom {

// The value of the longest leading part of text that reads as a decimal
// number (sign, digits, point, fraction, exponent); blanks anywhere are
// ignored. 0 when there is no such part.
double LeadingNumber(std::string_view text);

// Nearest integer, halves to even.
double RoundHalfEven(double value);

// RoundHalfEven, then saturated into the 16-bit range (callers range-check
// first; saturation only guards against overflow).
std::int16_t RoundToInt16(double value);

// Leading and trailing blanks (spaces) removed.
std::string TrimBlanks(std::string_view text);

// Splits text from the 1-based position start at delimiter. One leading and
// one trailing delimiter are ignored; pieces shorter than minLength are
// dropped; maxParts > 0 stops after that many parts. Returns the count;
// parts is left alone when nothing follows start.
int SplitText(std::string_view text, std::string_view delimiter, int start,
              std::vector<std::string>& parts, bool trim, int maxParts, int minLength);

// 1-based position of the first character at or after start that is not in
// charset; 0 when none (or text empty), 1 when charset is empty.
int FirstNotIn(std::string_view text, int start, std::string_view charset);
int FirstNonBlank(std::string_view text, int start);

// "2026-12-05 14:05:09", "14:05 on 2026-12-05" and the like.
std::string TimeStamp(const LocalDateTime& when, bool timeFirst, bool withSeconds);
std::string TimeStamp(const Clock& clock, bool timeFirst, bool withSeconds);

// Decimal text of n with one leading blank when n is not negative.
std::string StringOf(long long n);
// Decimal text of n without blanks.
std::string NumOf(long long n);

}  // namespace tabloom
