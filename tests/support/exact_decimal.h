#pragma once

// A slow, obviously exact reference for the money texts, used by tests and fuzzers to check
// the fast formatter. It works from the double's full decimal expansion with a small big-integer
// type and shares no code with the calculation core.

#include <string>

namespace reference {

// The exact value of a finite double as decimal digits: sign, integer digits (no leading
// zeros, "0" for none) and every fraction digit (no trailing zeros).
struct ExactDecimal {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
};

ExactDecimal ExpandExactly(double value);

// The money text of a finite double by the book: round the exact value to 15 significant
// digits (ties to even), then to two places (ties away from zero), then write it with "."
// and no leading zero in the integer part.
std::string MoneyText(double value);

}  // namespace reference
