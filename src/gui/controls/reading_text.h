#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace varden {

// Texts the panels show for instrument values, kept in one place so that every page and the
// button panel write a reading the same way.

// A power in milliwatts with four significant digits (at most four decimals), e.g. "12.50 mW",
// "0.0125 mW", "1234 mW"; a value that is not a number shows as a dash.
QString MilliwattText(double milliwatts);

// The source's output power from its raw reading, scaled and rounded by its power factor the
// way the status bar writes it: factor 10000 "1.234mW", factor 1000 "12.3mW", any other "1.25W".
QString OutputPowerText(uint16_t rawPower, uint16_t powerFactor);

// Three date or clock fields of the meter in the order it gives them, two digits each.
QString DateFieldsText(uint8_t field1, uint8_t field2, uint8_t field3);
QString ClockFieldsText(uint8_t hour, uint8_t minute, uint8_t second);

// Texts from the core and the drivers are 8-bit in the local encoding.
inline QString FromBytes(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

// The dash shown where there is no value.
inline const QString kNoValue = QStringLiteral("\u2014");

}  // namespace varden
