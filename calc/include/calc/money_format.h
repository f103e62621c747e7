#pragma once

#include <string>
#include <string_view>

namespace calc {

// Writes a money value with exactly two decimals the way the result labels show it:
// the value is first rounded to 15 significant digits, then to two places with a 5 rounding
// away from zero. A zero integer part is left out (".47"), there are no grouping separators,
// and a value that rounds to zero never carries a minus sign.
//
// The output does not depend on the C locale; the decimal separator is the caller's.
// Values that are not finite are written "NaN", "Infinity" and "-Infinity".
std::string FormatTwoPlaces(double value, std::string_view decimalSeparator = ".");

}  // namespace calc
