#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varden {

// Where a driver library is looked for, in order: the executable's folder, the folders of
// LD_LIBRARY_PATH, the system library folders.
std::vector<std::string> DefaultLibrarySearchPath();

// The folder the running executable lives in.
std::string ExecutableDirectory();

// The first existing regular file named `fileName` in the folders, in order. A name holding a
// slash is taken as a path of its own.
std::optional<std::string> LocateLibrary(const std::string& fileName,
                                         const std::vector<std::string>& folders);

}  // namespace varden
