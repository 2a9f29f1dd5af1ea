#pragma once

#include <string>
#include <vector>

namespace varden::testing {

// One chronological log of every call the fakes see, across drivers, panels, shell and clock:
// "lamp.SetPercentageLevel(0,50)", "tab.AddCapturePoint(50,0.0123)", "shell.ShowMessage(...)".
class CallLog {
  public:
    void Add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

    // The entries, then an empty log.
    std::vector<std::string> Take();
    // Entries that begin with one of the prefixes, in order ("lamp.", "tab.Show").
    std::vector<std::string> Matching(std::initializer_list<std::string> prefixes) const;
    // Entries that begin with none of the prefixes.
    std::vector<std::string> Without(std::initializer_list<std::string> prefixes) const;
    int Count(const std::string& entry) const;
    bool Contains(const std::string& entry) const { return Count(entry) > 0; }
    // The whole log, one entry per line; for failure messages.
    std::string Dump() const;

  private:
    std::vector<std::string> entries_;
};

// Formats a call entry: Call("lamp.SetPercentageLevel", 0, 50) gives
// "lamp.SetPercentageLevel(0,50)". Floating-point values use %g; bytes are numbers.
std::string FormatArgument(long long value);
std::string FormatArgument(unsigned long long value);
std::string FormatArgument(double value);
std::string FormatArgument(const std::string& value);
inline std::string FormatArgument(const char* value) {
    return FormatArgument(std::string(value));
}
inline std::string FormatArgument(float value) {
    return FormatArgument(static_cast<double>(value));
}
inline std::string FormatArgument(bool value) {
    return FormatArgument(static_cast<long long>(value));
}
inline std::string FormatArgument(int value) {
    return FormatArgument(static_cast<long long>(value));
}
inline std::string FormatArgument(long value) {
    return FormatArgument(static_cast<long long>(value));
}
inline std::string FormatArgument(short value) {
    return FormatArgument(static_cast<long long>(value));
}
inline std::string FormatArgument(signed char value) {
    return FormatArgument(static_cast<long long>(value));
}
inline std::string FormatArgument(unsigned value) {
    return FormatArgument(static_cast<unsigned long long>(value));
}
inline std::string FormatArgument(unsigned long value) {
    return FormatArgument(static_cast<unsigned long long>(value));
}
inline std::string FormatArgument(unsigned short value) {
    return FormatArgument(static_cast<unsigned long long>(value));
}
inline std::string FormatArgument(unsigned char value) {
    return FormatArgument(static_cast<unsigned long long>(value));
}

template <typename... Args>
std::string Call(const std::string& name, const Args&... args) {
    std::string text = name + "(";
    bool first = true;
    ((text += (first ? "" : ","), text += FormatArgument(args), first = false), ...);
    return text + ")";
}

}  // namespace varden::testing
