#pragma once

#include <map>
#include <string>
#include <variant>

#include "core/platform/profile_store.h"
#include "support/call_log.h"

namespace varden::testing {

// A profile held in memory. Values keep the type they were written with; an integer read of a
// text that is a whole decimal number gives the number, as a profile file read back does.
// Writes and deletions are logged ("profile.WriteInt(Filters,NumFilters,3)").
class MemoryProfileStore : public ProfileStore {
  public:
    explicit MemoryProfileStore(CallLog& log) : log_(log) {}

    using Value = std::variant<long long, std::string>;
    std::map<std::string, std::map<std::string, Value>> sections;

    std::optional<long long> ReadInt(const std::string& section, const std::string& key) override;
    void WriteInt(const std::string& section, const std::string& key, long long value) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteValue(const std::string& section, const std::string& key) override;

  private:
    const Value* Find(const std::string& section, const std::string& key) const;
    CallLog& log_;
};

}  // namespace varden::testing
