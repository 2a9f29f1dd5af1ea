#include "support/memory_profile_store.h"

#include <charconv>

namespace varden::testing {

const MemoryProfileStore::Value* MemoryProfileStore::Find(const std::string& section,
                                                          const std::string& key) const {
    auto s = sections.find(section);
    if (s == sections.end()) {
        return nullptr;
    }
    auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

std::optional<long long> MemoryProfileStore::ReadInt(const std::string& section,
                                                     const std::string& key) {
    const Value* value = Find(section, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (const long long* number = std::get_if<long long>(value)) {
        return *number;
    }
    const std::string& text = std::get<std::string>(*value);
    long long number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return number;
}

void MemoryProfileStore::WriteInt(const std::string& section, const std::string& key,
                                  long long value) {
    log_.Add(Call("profile.WriteInt", section, key, value));
    sections[section][key] = value;
}

std::optional<std::string> MemoryProfileStore::ReadString(const std::string& section,
                                                          const std::string& key) {
    const Value* value = Find(section, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (const std::string* text = std::get_if<std::string>(value)) {
        return *text;
    }
    return std::to_string(std::get<long long>(*value));
}

void MemoryProfileStore::WriteString(const std::string& section, const std::string& key,
                                     const std::string& value) {
    log_.Add(Call("profile.WriteString", section, key, value));
    sections[section][key] = value;
}

void MemoryProfileStore::DeleteValue(const std::string& section, const std::string& key) {
    log_.Add(Call("profile.DeleteValue", section, key));
    auto s = sections.find(section);
    if (s != sections.end()) {
        s->second.erase(key);
    }
}

}  // namespace varden::testing
