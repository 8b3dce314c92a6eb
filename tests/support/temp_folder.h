#pragma once

#include <filesystem>
#include <string>
#include <vector>

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

// The whole file; throws when it cannot be read.
std::string ReadBytes(const std::string& file);
// Writes bytes to file, replacing it; throws when that fails.
void WriteBytes(const std::string& file, const std::string& bytes);

}  // namespace tabloom::testing
