#include "calc/money_format.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// Adds one to a run of decimal digits, growing it on carry ("999" -> "1000").
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The magnitude of `value` in whole hundredths, as decimal digits, after both roundings.
std::string roundedHundredths(double value) {
    // std::to_chars is exact and ignores the C locale. It writes d.dddddddddddddde±XX, that is
    // the 15-digit integer D times 10^(exponent - 14).
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    std::string digits;
    digits.reserve(kSignificantDigits);
    digits += text[0];
    digits.append(text.substr(2, kSignificantDigits - 1));

    int exponent = 0;
    const std::string_view exponentText = text.substr(text.find('e') + 1);
    const bool negativeExponent = exponentText[0] == '-';
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), exponent);
    if (negativeExponent) exponent = -exponent;

    // Hundredths = D * 10^(exponent - 12): append zeros, or drop digits and round half up.
    const int dropped = (kSignificantDigits - 3) - exponent;
    if (dropped <= 0) return digits.append(static_cast<std::size_t>(-dropped), '0');
    if (dropped > kSignificantDigits) return "0";

    const auto kept = static_cast<std::size_t>(kSignificantDigits - dropped);
    std::string hundredths = kept == 0 ? std::string("0") : digits.substr(0, kept);
    if (digits[kept] >= '5') incrementDigits(hundredths);
    return hundredths;
}

}  // namespace

std::string FormatTwoPlaces(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

    std::string hundredths = roundedHundredths(value);
    if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');

    const std::size_t integerLength = hundredths.size() - 2;
    const std::size_t firstSignificant = hundredths.find_first_not_of('0');
    const bool isZero = firstSignificant == std::string::npos;

    std::string out;
    out.reserve(hundredths.size() + decimalSeparator.size() + 1);
    if (std::signbit(value) && !isZero) out += '-';
    if (!isZero && firstSignificant < integerLength) {
        out.append(hundredths, firstSignificant, integerLength - firstSignificant);
    }
    out += decimalSeparator;
    out.append(hundredths, integerLength, 2);
    return out;
}

}  // namespace calc
