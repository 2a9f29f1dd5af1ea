#include "core/drivers/library_locator.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace varden {

namespace fs = std::filesystem;

namespace {

// The dynamic loader's own default folders on Debian and most other distributions.
const char* const kSystemFolders[] = {
    "/lib/x86_64-linux-gnu",
    "/usr/lib/x86_64-linux-gnu",
    "/lib64",
    "/usr/lib64",
    "/lib",
    "/usr/lib",
    "/usr/local/lib",
};

void AppendPathList(const char* list, std::vector<std::string>& folders) {
    if (list == nullptr) {
        return;
    }
    std::string text(list);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(':', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        // An empty element means the current folder, as for the dynamic loader.
        std::string folder = text.substr(start, end - start);
        folders.push_back(folder.empty() ? "." : folder);
        start = end + 1;
    }
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::string ExecutableDirectory() {
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return ".";
    }
    return exe.parent_path().string();
}

std::vector<std::string> DefaultLibrarySearchPath() {
    std::vector<std::string> folders{ExecutableDirectory()};
    AppendPathList(std::getenv("LD_LIBRARY_PATH"), folders);
    for (const char* folder : kSystemFolders) {
        folders.emplace_back(folder);
    }
    return folders;
}

std::optional<std::string> LocateLibrary(const std::string& fileName,
                                         const std::vector<std::string>& folders) {
    if (fileName.find('/') != std::string::npos) {
        if (IsRegularFile(fileName)) {
            return fileName;
        }
        return std::nullopt;
    }
    for (const std::string& folder : folders) {
        fs::path candidate = fs::path(folder) / fileName;
        if (IsRegularFile(candidate)) {
            return candidate.string();
        }
    }
    return std::nullopt;
}

}  // namespace varden
