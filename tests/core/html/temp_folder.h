#pragma once

#include <filesystem>
#include <string>

namespace tabloom {

// A fresh folder below the system's temp folder, removed again on
// destruction.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// The whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

// Writes bytes to a file, replacing it.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace tabloom
