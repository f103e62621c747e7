// Arbitrary doubles - NaN, infinities, subnormals, the largest values - through
// FormatTwoPlaces: finite values must match the exact decimal reference, the others a word.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/money_format.h"
#include "exact_decimal.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size < sizeof value) return 0;
    std::memcpy(&value, data, sizeof value);
    constexpr std::string_view kSeparators[] = {".", ",", "．", ""};
    const std::string_view separator =
        size > sizeof value ? kSeparators[data[sizeof value] % 4] : kSeparators[0];

    const std::string text = calc::FormatTwoPlaces(value, separator);
    if (std::isnan(value)) {
        fuzzCheck(text == "NaN", "NaN", text);
    } else if (std::isinf(value)) {
        fuzzCheck(text == (value < 0 ? "-Infinity" : "Infinity"), "infinity", text);
    } else {
        std::string expected = reference::MoneyText(value);
        expected.replace(expected.find('.'), 1, separator);
        fuzzCheck(text == expected, "exact two-place text", text + " instead of " + expected);
    }
    return 0;
}
