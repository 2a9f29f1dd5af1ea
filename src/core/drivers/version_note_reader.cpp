#include "core/drivers/version_note_reader.h"

#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <unistd.h>

#include <cstring>

#include "core/drivers/version_note.h"

namespace varden {

namespace {

// Closes the descriptor and ends libelf's view of the file on every path.
class ElfFile {
  public:
    explicit ElfFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
        if (fd_ >= 0 && elf_version(EV_CURRENT) != EV_NONE) {
            elf_ = elf_begin(fd_, ELF_C_READ, nullptr);
        }
    }
    ~ElfFile() {
        if (elf_ != nullptr) {
            elf_end(elf_);
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    ElfFile(const ElfFile&) = delete;
    ElfFile& operator=(const ElfFile&) = delete;

    Elf* get() const { return elf_ != nullptr && elf_kind(elf_) == ELF_K_ELF ? elf_ : nullptr; }

  private:
    int fd_ = -1;
    Elf* elf_ = nullptr;
};

std::optional<FileVersionRecord> RecordFromNote(const GElf_Nhdr& header,
                                                const unsigned char* descriptor) {
    if (header.n_type != FILE_VERSION_NOTE_TYPE || header.n_descsz != FILE_VERSION_RECORD_SIZE) {
        return std::nullopt;
    }
    FileVersionRecord record;
    for (std::size_t i = 0; i < record.words.size(); ++i) {
        const unsigned char* word = descriptor + 4 * i;
        record.words[i] = static_cast<uint32_t>(word[0]) | static_cast<uint32_t>(word[1]) << 8 |
                          static_cast<uint32_t>(word[2]) << 16 |
                          static_cast<uint32_t>(word[3]) << 24;
    }
    if (record.Signature() != FILE_VERSION_SIGNATURE) {
        return std::nullopt;
    }
    return record;
}

}  // namespace

std::optional<FileVersionRecord> ReadVersionNote(const std::string& path) {
    ElfFile file(path);
    Elf* elf = file.get();
    if (elf == nullptr) {
        return std::nullopt;
    }
    Elf_Scn* section = nullptr;
    while ((section = elf_nextscn(elf, section)) != nullptr) {
        GElf_Shdr sectionHeader;
        if (gelf_getshdr(section, &sectionHeader) == nullptr || sectionHeader.sh_type != SHT_NOTE) {
            continue;
        }
        Elf_Data* data = elf_getdata(section, nullptr);
        if (data == nullptr || data->d_buf == nullptr) {
            continue;
        }
        GElf_Nhdr header;
        std::size_t offset = 0;
        std::size_t nameOffset = 0;
        std::size_t descriptorOffset = 0;
        while ((offset = gelf_getnote(data, offset, &header, &nameOffset, &descriptorOffset)) > 0) {
            const char* name = static_cast<const char*>(data->d_buf) + nameOffset;
            const std::size_t ownerSize = sizeof(FILE_VERSION_NOTE_OWNER);
            if (header.n_namesz != ownerSize ||
                std::memcmp(name, FILE_VERSION_NOTE_OWNER, ownerSize) != 0) {
                continue;
            }
            // The first note of our owner decides, whether it is usable or not.
            return RecordFromNote(
                header, static_cast<const unsigned char*>(data->d_buf) + descriptorOffset);
        }
    }
    return std::nullopt;
}

}  // namespace varden
