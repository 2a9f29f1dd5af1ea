#include "gui/qsettings_profile_store.h"

namespace varden {

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

QSettingsProfileStore::QSettingsProfileStore(const QString& iniFile)
    : settings_(iniFile, QSettings::IniFormat) {}

std::optional<long long> QSettingsProfileStore::ReadInt(const std::string& section,
                                                        const std::string& key) {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // An INI file holds text; only a whole decimal number counts as an integer.
    bool ok = false;
    const long long number = value.toString().trimmed().toLongLong(&ok, 10);
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

void QSettingsProfileStore::WriteInt(const std::string& section, const std::string& key,
                                     long long value) {
    settings_.setValue(KeyPath(section, key), value);
}

std::optional<std::string> QSettingsProfileStore::ReadString(const std::string& section,
                                                             const std::string& key) {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toLocal8Bit().toStdString();
}

void QSettingsProfileStore::WriteString(const std::string& section, const std::string& key,
                                        const std::string& value) {
    settings_.setValue(KeyPath(section, key), QString::fromLocal8Bit(value));
}

void QSettingsProfileStore::DeleteValue(const std::string& section, const std::string& key) {
    settings_.remove(KeyPath(section, key));
}

}  // namespace varden
