#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "core/platform/library.h"
#include "support/call_log.h"
#include "support/fake_instruments.h"

namespace varden::testing {

// The version record of a library file at major.minor.
FileVersionRecord MakeVersion(uint16_t major, uint16_t minor);

// Serves the three driver libraries from FakeInstruments. Each file can be given another
// version, no version at all, a load error or missing exports. Calls are logged
// ("loader.ReadVersion(VardenComm.dll)", "loader.Load(VardenComm.dll)").
class FakeLibraryLoader : public LibraryLoader {
  public:
    FakeLibraryLoader(CallLog& log, FakeInstruments& fake);

    struct FileSetup {
        std::optional<FileVersionRecord> version = MakeVersion(1, 1);
        long loadError = 0;  // 0 = loads
        std::set<std::string> missingExports;
    };
    // By file name; the three driver files are present at version 1.1 from the start.
    std::map<std::string, FileSetup> files;

    std::optional<FileVersionRecord> ReadVersion(const std::string& fileName) override;
    LoadResult Load(const std::string& fileName) override;

  private:
    CallLog& log_;
    FakeInstruments& fake_;
};

}  // namespace varden::testing
