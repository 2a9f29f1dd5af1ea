#pragma once

#include <filesystem>
#include <string>

namespace varden::testing {

// A new empty folder under the system's temporary folder, named after the running test and the
// process (tests may run in parallel), removed with its content when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of `name` inside the folder, as text.
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// The whole content of a file, byte for byte ("" when it cannot be read).
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace varden::testing
