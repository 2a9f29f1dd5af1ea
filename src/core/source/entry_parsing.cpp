#include "core/source/entry_parsing.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace varden {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips leading blanks and one sign; returns whether the sign was a minus.
bool SkipBlanksAndSign(std::string_view& text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return negative;
}

}  // namespace

long long ParseLeadingInteger(std::string_view text) {
    const bool negative = SkipBlanksAndSign(text);
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            break;
        }
        if (value < kLimit) {
            value = value * 10 + (c - '0');
        }
    }
    return negative ? -value : value;
}

std::optional<double> ParseLeadingDecimal(std::string_view text) {
    const bool negative = SkipBlanksAndSign(text);
    // from_chars would take a second minus sign itself; after our own sign none may follow.
    if (text.empty() || text.front() == '-') {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)end;
    if (error == std::errc::invalid_argument) {
        return 0.0;
    }
    if (error == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace varden
