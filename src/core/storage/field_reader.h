#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabloom {

// Reads the fields of a table file one after another. Spaces separate
// fields; a comma or one line end (CR, LF or CR LF) ends a field; a quoted
// string may span lines. Every read names its field so that a failure can
// say where the file went wrong: "line 17: number out of range for intColSpan".
class FieldReader {
  public:
    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadInt16(std::string_view field, std::int16_t& value);
    bool ReadInt32(std::string_view field, std::int32_t& value);
    // A quoted or bare string; quoted tells which form the file used. The
    // value views the bytes given to the reader.
    bool ReadString(std::string_view field, std::string_view& value, bool& quoted);
    // The rest of the current line, whatever it holds; the line end must follow.
    bool ReadRestOfLine(std::string_view field, std::string_view& value);

    // The bytes not read yet, and the line they begin on.
    std::string_view Rest() const { return bytes_.substr(pos_); }
    int Line() const { return line_; }
    // The line on which the last field began (1-based).
    int FieldLine() const { return fieldLine_; }
    const std::string& Error() const { return error_; }

    // Records a failure at line for field; always returns false.
    bool Fail(int line, std::string_view what, std::string_view field);

  private:
    bool ReadNumber(std::string_view field, long long min, long long max, long long& value);
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    char Peek() const { return bytes_[pos_]; }
    void SkipSpaces();
    // Consumes one line end at pos_ if there is one.
    bool ConsumeLineEnd();
    void ConsumeDelimiter();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    std::string error_;
};

}  // namespace tabloom
