#include "support/fake_library_loader.h"

#include "core/drivers/driver_abi.h"

namespace varden::testing {

FileVersionRecord MakeVersion(uint16_t major, uint16_t minor) {
    FileVersionRecord record;
    record.words = {0xFEEF04BDu,
                    0x00010000u,
                    (uint32_t{major} << 16) | minor,
                    0,
                    (uint32_t{major} << 16) | minor,
                    0,
                    0x3F,
                    0,
                    0x40004,
                    2,
                    0,
                    0,
                    0};
    return record;
}

namespace {

class FakeLibrary : public Library {
  public:
    FakeLibrary(FakeInstruments& fake, Family family, std::set<std::string> missing)
        : fake_(fake), family_(family), missing_(std::move(missing)) {}

    void* Symbol(const char* exportName) override {
        if (missing_.count(exportName) > 0) {
            return nullptr;
        }
        return fake_.Export(family_, exportName);
    }

  private:
    FakeInstruments& fake_;
    Family family_;
    std::set<std::string> missing_;
};

}  // namespace

FakeLibraryLoader::FakeLibraryLoader(CallLog& log, FakeInstruments& fake) : log_(log), fake_(fake) {
    files[LAMP_LIBRARY_FILE] = FileSetup{};
    files[METER_LIBRARY_FILE] = FileSetup{};
    files[LED_LIBRARY_FILE] = FileSetup{};
}

std::optional<FileVersionRecord> FakeLibraryLoader::ReadVersion(const std::string& fileName) {
    log_.Add(Call("loader.ReadVersion", fileName));
    auto found = files.find(fileName);
    if (found == files.end()) {
        return std::nullopt;
    }
    return found->second.version;
}

LoadResult FakeLibraryLoader::Load(const std::string& fileName) {
    log_.Add(Call("loader.Load", fileName));
    auto found = files.find(fileName);
    if (found == files.end()) {
        return LoadResult{nullptr, 126};
    }
    if (found->second.loadError != 0) {
        return LoadResult{nullptr, found->second.loadError};
    }
    Family family = fileName == LAMP_LIBRARY_FILE    ? Family::Lamp
                    : fileName == METER_LIBRARY_FILE ? Family::Meter
                                                     : Family::Led;
    return LoadResult{std::make_unique<FakeLibrary>(fake_, family, found->second.missingExports),
                      0};
}

}  // namespace varden::testing
