#include "exact_decimal.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace reference {
namespace {

// Non-negative big integer in base 10^9, least significant limb first.
class BigDecimal {
public:
    explicit BigDecimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
            carry /= kBase;
        }
    }

    void multiplyByPower(std::uint32_t base, int exponent) {
        for (; exponent > 0; --exponent) multiply(base);
    }

    std::string digits() const {
        std::string text = std::to_string(limbs_.back());
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            const std::string limb = std::to_string(*it);
            text.append(9 - limb.size(), '0');
            text += limb;
        }
        return text;
    }

private:
    static constexpr std::uint64_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs_;
};

// Adds one unit in the last place of a digit string, carrying leftwards.
std::string addOne(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

std::string stripLeadingZeros(const std::string& digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

}  // namespace

ExactDecimal ExpandExactly(double value) {
    ExactDecimal exact;
    exact.negative = std::signbit(value);
    int binaryExponent = 0;
    // value = mantissa * 2^(binaryExponent - 53), with mantissa a whole number below 2^53.
    const double fraction = std::frexp(std::fabs(value), &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int power = binaryExponent - 53;

    BigDecimal number(mantissa);
    int fractionLength = 0;
    if (power >= 0) {
        number.multiplyByPower(2, power);
    } else {
        // m / 2^k = m * 5^k / 10^k.
        number.multiplyByPower(5, -power);
        fractionLength = -power;
    }
    std::string digits = number.digits();
    if (static_cast<int>(digits.size()) <= fractionLength) {
        digits.insert(0, static_cast<std::size_t>(fractionLength) + 1 - digits.size(), '0');
    }
    const std::size_t split = digits.size() - static_cast<std::size_t>(fractionLength);
    exact.integerDigits = stripLeadingZeros(digits.substr(0, split));
    if (exact.integerDigits.empty()) exact.integerDigits = "0";
    exact.fractionDigits = digits.substr(split);
    while (!exact.fractionDigits.empty() && exact.fractionDigits.back() == '0') {
        exact.fractionDigits.pop_back();
    }
    return exact;
}

std::string MoneyText(double value) {
    const ExactDecimal exact = ExpandExactly(value);

    // All digits with the decimal point after `pointAt` of them.
    std::string digits = exact.integerDigits + exact.fractionDigits;
    std::size_t pointAt = exact.integerDigits.size();
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return ".00";

    // Round to 15 significant digits, ties to even.
    const std::size_t cut = first + 15;
    if (digits.size() > cut) {
        const std::string tail = digits.substr(cut);
        std::string head = digits.substr(0, cut);
        const bool above = tail[0] > '5' ||
                           (tail[0] == '5' && tail.find_first_not_of('0', 1) != std::string::npos);
        const bool tie = tail[0] == '5' && !above;
        const bool oddLast = (head.back() - '0') % 2 == 1;
        if (above || (tie && oddLast)) {
            const std::size_t before = head.size();
            head = addOne(head);
            pointAt += head.size() - before;
        }
        digits = head + std::string(tail.size(), '0');
    }

    // Round to two places, ties away from zero.
    if (digits.size() < pointAt + 3) digits.append(pointAt + 3 - digits.size(), '0');
    std::string hundredths = digits.substr(0, pointAt + 2);
    if (digits[pointAt + 2] >= '5') hundredths = addOne(hundredths);

    hundredths = stripLeadingZeros(hundredths);
    if (hundredths.empty()) return ".00";
    if (hundredths.size() < 2) hundredths.insert(0, 1, '0');
    const std::string integerPart = hundredths.substr(0, hundredths.size() - 2);
    return std::string(exact.negative ? "-" : "") + integerPart + "." +
           hundredths.substr(hundredths.size() - 2);
}

}  // namespace reference
