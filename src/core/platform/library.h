#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/drivers/file_version.h"

namespace varden {

// A loaded driver library. Symbols are looked up by export name.
class Library {
  public:
    virtual ~Library() = default;
    // The address of the export, or null when the library has no such export.
    virtual void* Symbol(const char* exportName) = 0;
};

// Result of loading a library: the library, or the error code the failure messages show
// (126 = the library or one it depends on was not found).
struct LoadResult {
    std::unique_ptr<Library> library;
    long errorCode = 0;
};

// Finds, versions and loads driver libraries by file name. The version is read from the same
// file that the load then opens.
class LibraryLoader {
  public:
    virtual ~LibraryLoader() = default;
    // The fixed file-information record of the named library, or nothing when the file is not
    // found or carries no usable version record.
    virtual std::optional<FileVersionRecord> ReadVersion(const std::string& fileName) = 0;
    virtual LoadResult Load(const std::string& fileName) = 0;
};

}  // namespace varden
