#pragma once

#include <optional>
#include <string>

namespace varden {

// The per-user profile: sections of named integer and string values. The store is a file a
// user can edit, so a read says "missing" for a value that is absent or not of the asked type;
// callers apply their own defaults and range checks.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    virtual std::optional<long long> ReadInt(const std::string& section,
                                             const std::string& key) = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, long long value) = 0;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& key) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    virtual void DeleteValue(const std::string& section, const std::string& key) = 0;
};

}  // namespace varden
