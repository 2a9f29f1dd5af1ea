/*
 * The version record a driver library carries: an ELF note in section ".note.fileversion",
 * owner "FileVersion", type 1, whose descriptor is the 52-byte fixed file-information record
 * (13 little-endian 32-bit words). `readelf -n` shows it.
 *
 * One line embeds it in a library:
 *     DRIVER_FILE_VERSION(1, 1);
 */
#ifndef VARDEN_VERSION_NOTE_H
#define VARDEN_VERSION_NOTE_H

#include <stdint.h>

#define FILE_VERSION_NOTE_SECTION ".note.fileversion"
#define FILE_VERSION_NOTE_OWNER "FileVersion"
#define FILE_VERSION_NOTE_TYPE 1u
#define FILE_VERSION_SIGNATURE 0xFEEF04BDu
#define FILE_VERSION_RECORD_SIZE 52u

/* Layout of the whole note in the section: header, owner name padded to 4, descriptor. */
struct DriverFileVersionNote {
    uint32_t nameSize;
    uint32_t descriptorSize;
    uint32_t type;
    char name[12];
    uint32_t record[13];
};

/* The fixed file-information record's words: signature, structure version, file version
 * (most, least significant), product version (most, least significant), flags mask, flags,
 * OS, type, subtype, date (most, least significant). OS 0x40004 and type 2 say "a library
 * for a 32-bit Windows-style system", kept as the files of the instrument maker carry them. */
#define DRIVER_FILE_VERSION_NOTE(major, minor, patch, build)                                       \
    {                                                                                              \
        12u, FILE_VERSION_RECORD_SIZE, FILE_VERSION_NOTE_TYPE, FILE_VERSION_NOTE_OWNER, {          \
            FILE_VERSION_SIGNATURE, 0x00010000u, ((uint32_t)(major) << 16) | (uint32_t)(minor),    \
                ((uint32_t)(patch) << 16) | (uint32_t)(build),                                     \
                ((uint32_t)(major) << 16) | (uint32_t)(minor),                                     \
                ((uint32_t)(patch) << 16) | (uint32_t)(build), 0x3Fu, 0u, 0x40004u, 2u, 0u, 0u, 0u \
        }                                                                                          \
    }

#define DRIVER_FILE_VERSION(major, minor)                                                         \
    __attribute__((section(FILE_VERSION_NOTE_SECTION), used,                                      \
                   aligned(4))) static const struct DriverFileVersionNote driverFileVersionNote = \
        DRIVER_FILE_VERSION_NOTE(major, minor, 0, 0)

#endif /* VARDEN_VERSION_NOTE_H */
