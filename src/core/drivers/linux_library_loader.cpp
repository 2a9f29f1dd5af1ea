#include "core/drivers/linux_library_loader.h"

#include <dlfcn.h>

#include "core/drivers/library_locator.h"
#include "core/drivers/version_note_reader.h"

namespace varden {

namespace {

// A library stays loaded for the life of the process: the handle is never closed.
class DlLibrary : public Library {
  public:
    explicit DlLibrary(void* handle) : handle_(handle) {}
    void* Symbol(const char* exportName) override { return dlsym(handle_, exportName); }

  private:
    void* handle_;
};

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

long LoadErrorCode(const std::string& loaderMessage) {
    if (Contains(loaderMessage, "No such file or directory")) {
        return kLoadErrorNotFound;
    }
    if (Contains(loaderMessage, "undefined symbol")) {
        return kLoadErrorMissingSymbol;
    }
    if (Contains(loaderMessage, "Permission denied")) {
        return kLoadErrorAccessDenied;
    }
    if (Contains(loaderMessage, "invalid ELF header") ||
        Contains(loaderMessage, "file too short") || Contains(loaderMessage, "wrong ELF class") ||
        Contains(loaderMessage, "ELF load command") || Contains(loaderMessage, "ELF file") ||
        Contains(loaderMessage, "ET_DYN")) {
        return kLoadErrorBadFormat;
    }
    return kLoadErrorOther;
}

LinuxLibraryLoader::LinuxLibraryLoader() : LinuxLibraryLoader(DefaultLibrarySearchPath()) {}

LinuxLibraryLoader::LinuxLibraryLoader(std::vector<std::string> searchPath)
    : searchPath_(std::move(searchPath)) {}

std::optional<FileVersionRecord> LinuxLibraryLoader::ReadVersion(const std::string& fileName) {
    std::optional<std::string> path = LocateLibrary(fileName, searchPath_);
    if (!path) {
        return std::nullopt;
    }
    resolvedPaths_[fileName] = *path;
    return ReadVersionNote(*path);
}

LoadResult LinuxLibraryLoader::Load(const std::string& fileName) {
    std::string path;
    if (auto known = resolvedPaths_.find(fileName); known != resolvedPaths_.end()) {
        path = known->second;
    } else if (std::optional<std::string> found = LocateLibrary(fileName, searchPath_)) {
        path = *found;
    } else {
        return LoadResult{nullptr, kLoadErrorNotFound};
    }
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* message = dlerror();
        return LoadResult{nullptr, LoadErrorCode(message != nullptr ? message : "")};
    }
    return LoadResult{std::make_unique<DlLibrary>(handle), 0};
}

}  // namespace varden
