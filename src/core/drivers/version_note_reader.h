#pragma once

#include <optional>
#include <string>

#include "core/drivers/file_version.h"

namespace varden {

// Reads the "FileVersion" note of an ELF file. Nothing when the file cannot be read, has no
// such note, or the note's descriptor is not a 52-byte record with the right signature.
std::optional<FileVersionRecord> ReadVersionNote(const std::string& path);

}  // namespace varden
