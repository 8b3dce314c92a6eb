#include "core/storage/field_reader.h"

#include <limits>

namespace tabloom {

namespace {

bool IsNumberEnd(char ch) { return ch == ' ' || ch == ',' || ch == '\r' || ch == '\n'; }

int CountLineEnds(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++count;
        } else if (text[i] == '\r') {
            ++count;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }
    }
    return count;
}

}  // namespace

bool FieldReader::Fail(int line, std::string_view what, std::string_view field) {
    error_ = "line " + std::to_string(line) + ": ";
    error_ += what;
    error_ += " for ";
    error_ += field;
    return false;
}

void FieldReader::SkipSpaces() {
    while (!AtEnd() && Peek() == ' ') ++pos_;
}

bool FieldReader::ConsumeLineEnd() {
    if (AtEnd()) return false;
    if (Peek() == '\r') {
        ++pos_;
        if (!AtEnd() && Peek() == '\n') ++pos_;
    } else if (Peek() == '\n') {
        ++pos_;
    } else {
        return false;
    }
    ++line_;
    return true;
}

void FieldReader::ConsumeDelimiter() {
    SkipSpaces();
    if (!AtEnd() && Peek() == ',') {
        ++pos_;
        return;
    }
    ConsumeLineEnd();
}

bool FieldReader::ReadNumber(std::string_view field, long long min, long long max,
                             long long& value) {
    SkipSpaces();
    fieldLine_ = line_;
    if (AtEnd()) return Fail(line_, "end of file", field);
    const std::size_t start = pos_;
    while (!AtEnd() && !IsNumberEnd(Peek())) ++pos_;
    std::string_view text = bytes_.substr(start, pos_ - start);

    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return Fail(fieldLine_, "not a number", field);
    long long magnitude = 0;
    bool tooLarge = false;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return Fail(fieldLine_, "not a number", field);
        // Past 32 bits the value no longer matters: it is out of range anyway.
        if (magnitude > (1LL << 40)) {
            tooLarge = true;
        } else {
            magnitude = magnitude * 10 + (ch - '0');
        }
    }
    const long long v = negative ? -magnitude : magnitude;
    if (tooLarge || v < min || v > max) return Fail(fieldLine_, "number out of range", field);
    value = v;
    ConsumeDelimiter();
    return true;
}

bool FieldReader::ReadInt16(std::string_view field, std::int16_t& value) {
    long long v = 0;
    if (!ReadNumber(field, std::numeric_limits<std::int16_t>::min(),
                    std::numeric_limits<std::int16_t>::max(), v)) {
        return false;
    }
    value = static_cast<std::int16_t>(v);
    return true;
}

bool FieldReader::ReadInt32(std::string_view field, std::int32_t& value) {
    long long v = 0;
    if (!ReadNumber(field, std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max(), v)) {
        return false;
    }
    value = static_cast<std::int32_t>(v);
    return true;
}

bool FieldReader::ReadString(std::string_view field, std::string_view& value, bool& quoted) {
    SkipSpaces();
    fieldLine_ = line_;
    if (AtEnd()) return Fail(line_, "end of file", field);
    if (Peek() == '"') {
        const std::size_t close = bytes_.find('"', pos_ + 1);
        if (close == std::string_view::npos) return Fail(fieldLine_, "no closing quote", field);
        const std::string_view text = bytes_.substr(pos_ + 1, close - pos_ - 1);
        line_ += CountLineEnds(text);
        value = text;
        quoted = true;
        pos_ = close + 1;
        ConsumeDelimiter();
        return true;
    }
    const std::size_t start = pos_;
    while (!AtEnd() && Peek() != ',' && Peek() != '\r' && Peek() != '\n') ++pos_;
    if (AtEnd()) return Fail(fieldLine_, "end of file", field);
    value = bytes_.substr(start, pos_ - start);
    quoted = false;
    if (Peek() == ',') {
        ++pos_;
    } else {
        ConsumeLineEnd();
    }
    return true;
}

bool FieldReader::ReadRestOfLine(std::string_view field, std::string_view& value) {
    fieldLine_ = line_;
    const std::size_t start = pos_;
    while (!AtEnd() && Peek() != '\r' && Peek() != '\n') ++pos_;
    if (AtEnd()) return Fail(fieldLine_, "end of file", field);
    value = bytes_.substr(start, pos_ - start);
    ConsumeLineEnd();
    return true;
}

}  // namespace tabloom
