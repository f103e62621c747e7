#pragma once

#include <optional>
#include <string_view>

namespace calc {

// Reads the text of the amount field as a whole number of yuan.
//
// Typed text is a run of at most six digits, leading zeros allowed ("000150" is 150). Pasted
// text may also carry a fraction, which is rounded down ("12.7" is 12), and spaces or tabs
// around the number. Anything else - the empty text, signs, grouping separators, exponents,
// letters, digits of other scripts - is not an amount and gives no value.
std::optional<double> ReadAmount(std::string_view text);

}  // namespace calc
