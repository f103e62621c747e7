#include "calc/money_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

// Room for the hundredths of the largest double: 309 integer digits, two decimals, a carry.
constexpr std::size_t kMaxHundredthsDigits = 312;

// Decimal digits of the magnitude of a value in whole hundredths, after both roundings.
class Hundredths {
public:
    explicit Hundredths(double magnitude) {
        // std::to_chars is exact and ignores the C locale. It writes d.dddddddddddddde±XX, that
        // is the 15-digit integer D times 10^(exponent - 14).
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                          std::chars_format::scientific, kSignificantDigits - 1);
        char digits[kSignificantDigits];
        digits[0] = text[0];
        std::copy(text + 2, text + 1 + kSignificantDigits, digits + 1);
        const char* exponentText = text + 2 + kSignificantDigits;  // after the 'e'
        int exponent = 0;
        std::from_chars(exponentText + 1, result.ptr, exponent);
        if (*exponentText == '-') exponent = -exponent;

        // Hundredths = D * 10^(exponent - 12): append zeros, or drop digits and round half up.
        const int dropped = (kSignificantDigits - 3) - exponent;
        if (dropped <= 0) {
            append(digits, kSignificantDigits);
            for (int i = 0; i < -dropped; ++i) digits_[size_++] = '0';
        } else if (dropped <= kSignificantDigits) {
            const int kept = kSignificantDigits - dropped;
            append(digits, static_cast<std::size_t>(kept));
            if (digits[kept] >= '5') roundUp();
        }
        // Below that, the value is under half a hundredth away from zero: nothing to keep.
    }

    bool isZero() const {
        return size_ == 0 || std::string_view(digits_.data(), size_).find_first_not_of('0') ==
                                 std::string_view::npos;
    }

    // The integer part without leading zeros (empty for zero) and the two decimals.
    std::string_view integerPart() const {
        std::string_view all(digits_.data(), size_);
        all = size_ > 2 ? all.substr(0, size_ - 2) : std::string_view();
        const auto first = all.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : all.substr(first);
    }
    std::array<char, 2> decimals() const {
        if (size_ >= 2) return {digits_[size_ - 2], digits_[size_ - 1]};
        return {'0', size_ == 1 ? digits_[0] : '0'};
    }

private:
    void append(const char* digits, std::size_t count) {
        std::copy(digits, digits + count, digits_.data() + size_);
        size_ += count;
    }

    // Adds one hundredth, carrying leftwards ("999" becomes "1000").
    void roundUp() {
        for (std::size_t i = size_; i-- > 0;) {
            if (digits_[i] != '9') {
                ++digits_[i];
                return;
            }
            digits_[i] = '0';
        }
        std::copy_backward(digits_.data(), digits_.data() + size_, digits_.data() + size_ + 1);
        digits_[0] = '1';
        ++size_;
    }

    std::array<char, kMaxHundredthsDigits> digits_{};
    std::size_t size_ = 0;
};

}  // namespace

std::string FormatTwoPlaces(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

    const Hundredths hundredths(std::fabs(value));
    const std::string_view integerPart = hundredths.integerPart();
    const std::array<char, 2> decimals = hundredths.decimals();
    const bool minus = std::signbit(value) && !hundredths.isZero();

    std::string out;
    out.reserve(1 + integerPart.size() + decimalSeparator.size() + 2);
    if (minus) out += '-';
    out += integerPart;
    out += decimalSeparator;
    out.append(decimals.data(), decimals.size());
    return out;
}

}  // namespace calc
