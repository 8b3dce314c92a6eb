#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom::testing {

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> Entries() const;

  private:
    std::filesystem::path path_;
};

std::string ReadBytes(const std::string& file);
void WriteBytes(const std::string& file, const std::string& bytes);

// Gives (r, c) a span over rows x cols and covers the other positions.
void Span(TableSpec& t, int r, int c, int rows, int cols);

// A 4 x 5 table that uses every stored field: spans, colours, alignments,
// sizes, multi-line content with quotes and leading blanks, fonts, options.
TableSpec RichTable();

// True when every stored field of every grid position 1..20 is equal.
bool SameWholeGrid(const TableSpec& a, const TableSpec& b);

}  // namespace tabloom::testing
