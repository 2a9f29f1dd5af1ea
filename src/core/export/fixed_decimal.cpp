#include "core/export/fixed_decimal.h"

#include <charconv>
#include <cstdio>

namespace varden::fixed_decimal_detail {

char* WriteFixedExact(char* out, double value, int decimals) {
    const auto result =
        std::to_chars(out, out + kMaxFixedLength, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc{}) {
        return result.ptr;
    }
    return out + std::snprintf(out, kMaxFixedLength, "%.*f", decimals, value);
}

}  // namespace varden::fixed_decimal_detail
