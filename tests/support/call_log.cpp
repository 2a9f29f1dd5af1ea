#include "support/call_log.h"

#include <algorithm>
#include <cstdio>

namespace varden::testing {

namespace {

bool StartsWithAny(const std::string& entry, std::initializer_list<std::string> prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const std::string& prefix) { return entry.rfind(prefix, 0) == 0; });
}

}  // namespace

std::vector<std::string> CallLog::Take() {
    std::vector<std::string> taken;
    taken.swap(entries_);
    return taken;
}

std::vector<std::string> CallLog::Matching(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> found;
    for (const std::string& entry : entries_) {
        if (StartsWithAny(entry, prefixes)) {
            found.push_back(entry);
        }
    }
    return found;
}

std::vector<std::string> CallLog::Without(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> found;
    for (const std::string& entry : entries_) {
        if (!StartsWithAny(entry, prefixes)) {
            found.push_back(entry);
        }
    }
    return found;
}

int CallLog::Count(const std::string& entry) const {
    return static_cast<int>(std::count(entries_.begin(), entries_.end(), entry));
}

std::string CallLog::Dump() const {
    std::string text;
    for (const std::string& entry : entries_) {
        text += entry;
        text += '\n';
    }
    return text;
}

std::string FormatArgument(long long value) {
    return std::to_string(value);
}

std::string FormatArgument(unsigned long long value) {
    return std::to_string(value);
}

std::string FormatArgument(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string FormatArgument(const std::string& value) {
    return value;
}

}  // namespace varden::testing
