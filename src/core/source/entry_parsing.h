#pragma once

#include <optional>
#include <string_view>

namespace varden {

// Reading numbers from what the operator typed into a dialog field, as C's atoi and atof read
// them: blanks are skipped, a sign is allowed, the number ends at the first character that
// cannot continue it, and text without a number reads as 0.

// A whole number. Values beyond the range of long long saturate, so a long row of digits still
// reads as "too large" rather than wrapping round into range.
long long ParseLeadingInteger(std::string_view text);

// A decimal number with an optional fraction and exponent, independent of the locale.
// Nothing when the number cannot be represented as a double (far too large or too small).
std::optional<double> ParseLeadingDecimal(std::string_view text);

}  // namespace varden
