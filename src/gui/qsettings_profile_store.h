#pragma once

#include <QSettings>

#include "core/platform/profile_store.h"

namespace varden {

// The per-user profile on QSettings: on Linux an INI file in the user's configuration folder,
// "Osterlin/<program name>.conf". Values that are absent or not of the asked type read as
// missing.
class QSettingsProfileStore : public ProfileStore {
  public:
    QSettingsProfileStore() = default;  // organisation and application of the running program
    explicit QSettingsProfileStore(const QString& iniFile);

    std::optional<long long> ReadInt(const std::string& section, const std::string& key) override;
    void WriteInt(const std::string& section, const std::string& key, long long value) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void DeleteValue(const std::string& section, const std::string& key) override;

  private:
    QSettings settings_;
};

}  // namespace varden
