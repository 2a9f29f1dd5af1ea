#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace varden {

// Longest text WriteFixed writes for decimals up to kMaxFixedDecimals.
inline constexpr int kMaxFixedDecimals = 6;
inline constexpr int kMaxFixedLength = 320;

namespace fixed_decimal_detail {

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
inline constexpr double kPowersOfTen[] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6};

// Values below this take the integer path: value × 10^decimals then stays below 2^53 with an
// error of the scaling far below kTieMargin.
inline constexpr double kFastLimit = 1e7;
// A scaled value this close to a rounding tie is left to the exact conversion.
inline constexpr double kTieMargin = 1e-4;

// The general conversion, for values the integer path does not take.
char* WriteFixedExact(char* out, double value, int decimals);

// How many decimal digits `value` has (1 for 0), counted without branches.
template <typename Unsigned>
int DigitCount(Unsigned value) {
    int count = 1;
    Unsigned limit = 10;
    for (int i = 1; i < std::numeric_limits<Unsigned>::digits10 + 1; ++i, limit *= 10) {
        count += value >= limit ? 1 : 0;
    }
    return count;
}

// Writes the digits right to left, straight into place. Inlined, so that a constant count of
// decimals unrolls its loop.
template <typename Unsigned>
[[gnu::always_inline]] inline char* WriteDigits(char* out, Unsigned units, int decimals) {
    int digits = DigitCount(units);
    if (digits <= decimals) {
        digits = decimals + 1;  // "0.05"
    }
    char* const end = out + digits + (decimals > 0 ? 1 : 0);
    char* at = end;
    for (int i = 0; i < decimals; ++i) {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0) {
        *--at = '.';
    }
    while (at - out >= 2) {
        at -= 2;
        std::memcpy(at, kDigitPairs + 2 * (units % 100), 2);
        units /= 100;
    }
    if (at != out) {
        *out = static_cast<char>('0' + units);
    }
    return end;
}

}  // namespace fixed_decimal_detail

// Writes `units` × 10^-decimals with `decimals` decimals (a minus sign first when `negative`)
// and returns the end of the text; for values already rounded to whole units.
inline char* WriteUnits(char* out, bool negative, uint64_t units, int decimals) {
    using namespace fixed_decimal_detail;
    if (negative) {
        *out++ = '-';
    }
    // 32-bit arithmetic is quicker, and recordings hardly ever need more.
    return units <= UINT32_MAX ? WriteDigits(out, static_cast<uint32_t>(units), decimals)
                               : WriteDigits(out, units, decimals);
}

// Writes `value` as "%.<decimals>f" does in the C locale (correctly rounded, "-0.00" for a
// small negative value, "nan" and "inf" as printf spells them) and returns the end of the
// text. The exports write a million numbers; common values take an integer path instead of
// the general conversion. `decimals` is 0 to kMaxFixedDecimals.
inline char* WriteFixed(char* out, double value, int decimals) {
    using namespace fixed_decimal_detail;
    const double magnitude = std::fabs(value);
    if (magnitude < kFastLimit) {  // false for nan and inf
        const double scaled = magnitude * kPowersOfTen[decimals];
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > kTieMargin) {
            const uint64_t units = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
            return WriteUnits(out, std::signbit(value), units, decimals);
        }
    }
    return WriteFixedExact(out, value, decimals);
}

}  // namespace varden
