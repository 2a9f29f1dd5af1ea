#pragma once

#include <array>
#include <cstdint>

namespace varden {

// The 52-byte fixed file-information record of a driver library's version note: 13 words.
struct FileVersionRecord {
    std::array<uint32_t, 13> words{};

    uint32_t Signature() const { return words[0]; }
    // Most significant 32 bits of the file version: major in the high half, minor in the low.
    uint16_t FileMajor() const { return static_cast<uint16_t>(words[2] >> 16); }
    uint16_t FileMinor() const { return static_cast<uint16_t>(words[2] & 0xFFFFu); }
};

}  // namespace varden
