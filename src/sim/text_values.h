// Reading the values of a bench description: yes/no words, numbers, dates and times.
#pragma once

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace varden::sim {

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

inline std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

inline std::optional<bool> ParseYesNo(std::string_view text) {
    const std::string word = Lower(Trim(text));
    if (word == "yes" || word == "on" || word == "true" || word == "1") {
        return true;
    }
    if (word == "no" || word == "off" || word == "false" || word == "0") {
        return false;
    }
    return std::nullopt;
}

// A finite decimal number that takes the whole text.
inline std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A whole number from `low` to `high`, decimal or hexadecimal with 0x.
inline std::optional<long long> ParseWhole(std::string_view text, long long low, long long high) {
    text = Trim(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace varden::sim
