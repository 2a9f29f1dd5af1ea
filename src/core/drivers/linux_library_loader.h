#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/platform/library.h"

namespace varden {

// Error codes the failure messages show for a load that failed.
inline constexpr long kLoadErrorNotFound = 126;       // the library or one it depends on is missing
inline constexpr long kLoadErrorMissingSymbol = 127;  // a symbol it needs is not defined anywhere
inline constexpr long kLoadErrorBadFormat = 193;      // not a loadable library for this machine
inline constexpr long kLoadErrorAccessDenied = 5;     // no permission to read or map it
inline constexpr long kLoadErrorOther = 1114;  // anything else, e.g. its initialisation failed

// Maps the dynamic loader's message for a failed dlopen to one of the codes above.
long LoadErrorCode(const std::string& loaderMessage);

// Finds libraries along a search path, reads their version note with libelf and opens them
// with dlopen. The load opens exactly the file whose version was read.
class LinuxLibraryLoader : public LibraryLoader {
  public:
    LinuxLibraryLoader();  // the default search path
    explicit LinuxLibraryLoader(std::vector<std::string> searchPath);

    std::optional<FileVersionRecord> ReadVersion(const std::string& fileName) override;
    LoadResult Load(const std::string& fileName) override;

  private:
    std::vector<std::string> searchPath_;
    std::map<std::string, std::string> resolvedPaths_;
};

}  // namespace varden
