// The three simulated driver libraries as files: every export of their tables, version 1.1 in
// their version notes, and no export that crashes on the null pointers a careless caller sends.
#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <unistd.h>

#include <cstring>
#include <optional>
#include <tuple>

#include "bench_fixture.h"
#include "core/drivers/version_note.h"

namespace varden::sim::test {
namespace {

#define SIM_ENTRY_NAME(ret, name, params) #name,
const std::vector<std::string> kLampNames = {LAMP_API_ENTRIES(SIM_ENTRY_NAME)};
const std::vector<std::string> kMeterNames = {METER_API_ENTRIES(SIM_ENTRY_NAME)};
const std::vector<std::string> kLedNames = {LED_API_ENTRIES(SIM_ENTRY_NAME)};
#undef SIM_ENTRY_NAME

struct LibraryCase {
    const char* file;
    const std::vector<std::string>* names;
    std::size_t entries;
};

const LibraryCase kLibraries[] = {
    {LAMP_LIBRARY_FILE, &kLampNames, 48},
    {METER_LIBRARY_FILE, &kMeterNames, 71},
    {LED_LIBRARY_FILE, &kLedNames, 27},
};

// The descriptor of the library's "FileVersion" note of type 1, as 32-bit words.
std::optional<std::vector<uint32_t>> ReadFileVersionNote(const std::string& path) {
    std::optional<std::vector<uint32_t>> words;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0 || elf_version(EV_CURRENT) == EV_NONE) {
        return words;
    }
    Elf* elf = elf_begin(fd, ELF_C_READ, nullptr);
    Elf_Scn* section = nullptr;
    while (elf != nullptr && !words && (section = elf_nextscn(elf, section)) != nullptr) {
        GElf_Shdr header;
        Elf_Data* data = nullptr;
        if (gelf_getshdr(section, &header) == nullptr || header.sh_type != SHT_NOTE ||
            (data = elf_getdata(section, nullptr)) == nullptr) {
            continue;
        }
        GElf_Nhdr note;
        std::size_t offset = 0;
        std::size_t nameOffset = 0;
        std::size_t descOffset = 0;
        while ((offset = gelf_getnote(data, offset, &note, &nameOffset, &descOffset)) > 0) {
            const char* name = static_cast<const char*>(data->d_buf) + nameOffset;
            if (note.n_type == FILE_VERSION_NOTE_TYPE && std::strcmp(name, "FileVersion") == 0) {
                words.emplace(note.n_descsz / 4);
                std::memcpy(words->data(), static_cast<const char*>(data->d_buf) + descOffset,
                            words->size() * 4);
                break;
            }
        }
    }
    if (elf != nullptr) {
        elf_end(elf);
    }
    close(fd);
    return words;
}

TEST(DriverLibraryTest, EachLibraryExportsItsWholeTableAndCarriesVersion11) {
    for (const LibraryCase& library : kLibraries) {
        SCOPED_TRACE(library.file);
        EXPECT_EQ(library.names->size(), library.entries);
        void* handle = OpenLibrary(library.file);
        ASSERT_NE(handle, nullptr);
        for (const std::string& name : *library.names) {
            EXPECT_NE(dlsym(handle, name.c_str()), nullptr) << name;
        }

        auto record = ReadFileVersionNote(LibraryPath(library.file));
        ASSERT_TRUE(record.has_value()) << "no version note";
        ASSERT_EQ(record->size() * 4, FILE_VERSION_RECORD_SIZE);
        EXPECT_EQ((*record)[0], FILE_VERSION_SIGNATURE);
        EXPECT_EQ((*record)[2] >> 16, 1u) << "file version major";
        EXPECT_EQ((*record)[2] & 0xFFFFu, 1u) << "file version minor";
    }
}

// Calls an export with every pointer null and every number 0, but for the unit number.
template <class Ret, class... Args>
void CallWithNulls(Ret (*entry)(Args...), unsigned short unit) {
    std::tuple<Args...> arguments{};
    std::get<0>(arguments) = unit;
    std::apply(entry, arguments);
}
template <class Ret>
void CallWithNulls(Ret (*entry)(), unsigned short) {
    entry();
}

class NullPointerTest : public BenchTest {};

TEST_F(NullPointerTest, EveryExportSurvivesNullPointersForPresentAndAbsentUnits) {
    ASSERT_EQ(bench_attach(BENCH_LED, 0), 1);
    for (unsigned short unit : {0, 7}) {
#define SIM_CALL_LAMP(ret, name, params) CallWithNulls(lamp.name, unit);
// Switching the meter off or to sleep would hide it from the exports after it; plug it in anew.
#define SIM_CALL_METER(ret, name, params) \
    CallWithNulls(meter.name, unit);      \
    if (unit == 0) {                      \
        bench_attach(BENCH_METER, 0);     \
    }
#define SIM_CALL_LED(ret, name, params) CallWithNulls(led.name, unit);
        LAMP_API_ENTRIES(SIM_CALL_LAMP)
        METER_API_ENTRIES(SIM_CALL_METER)
        LED_API_ENTRIES(SIM_CALL_LED)
#undef SIM_CALL_LAMP
#undef SIM_CALL_METER
#undef SIM_CALL_LED
    }
    // Still a working bench afterwards.
    EXPECT_EQ(lamp.GetNumDevicesConnected(), 1);
    EXPECT_NE(led.DeviceActive(0), 0);
}

}  // namespace
}  // namespace varden::sim::test
