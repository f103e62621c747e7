// The three result texts for amounts typed into the field, and the formatter's own rules.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>

#include "calc/calc.h"

namespace {

struct AmountCase {
    const char* amountText;
    const char* principalInterest;
    const char* premium;
    const char* repayment;
};

void PrintTo(const AmountCase& c, std::ostream* os) { *os << '"' << c.amountText << '"'; }

class ResultTextsForAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(ResultTextsForAmount, ShowsTheRoundedPerPeriodFigures) {
    const AmountCase& c = GetParam();
    const auto amount = calc::ReadAmount(c.amountText);
    ASSERT_TRUE(amount.has_value());
    const auto texts = calc::ResultTexts(calc::ComputeFigures(*amount));
    EXPECT_EQ(texts[0], c.principalInterest);
    EXPECT_EQ(texts[1], c.premium);
    EXPECT_EQ(texts[2], c.repayment);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeAmounts, ResultTextsForAmount,
    testing::Values(
        AmountCase{"100000", "每期本息：3161.85元", "每期保费：1900.00元", "每期还款：5061.85元"},
        AmountCase{"0", "每期本息：.00元", "每期保费：.00元", "每期还款：.00元"},
        AmountCase{"1", "每期本息：.03元", "每期保费：.02元", "每期还款：.05元"},
        // The repayment is rounded from unrounded figures: not .13 + .08.
        AmountCase{"4", "每期本息：.13元", "每期保费：.08元", "每期还款：.20元"},
        // 0.285 lies just below its double; 15 significant digits first make it round up.
        AmountCase{"15", "每期本息：.47元", "每期保费：.29元", "每期还款：.76元"},
        AmountCase{"105", "每期本息：3.32元", "每期保费：2.00元", "每期还款：5.31元"},
        AmountCase{"000100", "每期本息：3.16元", "每期保费：1.90元", "每期还款：5.06元"},
        AmountCase{"999999", "每期本息：31618.47元", "每期保费：18999.98元",
                   "每期还款：50618.45元"}));

TEST(ComputeFigures, FollowsTheFixedOperationOrder) {
    const calc::RepaymentFigures f = calc::ComputeFigures(4.0);
    EXPECT_EQ(f.principal, 4.0 / 36.0);
    EXPECT_EQ(f.interest, 4.0 * 0.00384072);
    EXPECT_EQ(f.principalInterest, f.interest + f.principal);
    EXPECT_EQ(f.premium, 4.0 * 0.019);
    EXPECT_EQ(f.repayment, f.premium + f.principalInterest);
    EXPECT_DOUBLE_EQ(f.interest, 0.01536288);
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(ComputeFigures, FactorsAreTheNearestDoubles) {
    EXPECT_EQ(bitsOf(calc::INTEREST_FACTOR), 0x3F6F7692D96104D3u);
    EXPECT_EQ(bitsOf(calc::PREMIUM_FACTOR), 0x3F9374BC6A7EF9DBu);
    EXPECT_EQ(calc::PERIOD_COUNT, 36);
}

struct FormatCase {
    double value;
    const char* separator;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value << " -> " << c.text; }

class FormatTwoPlacesWrites : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTwoPlacesWrites, TheExpectedText) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(calc::FormatTwoPlaces(c.value, c.separator), c.text);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatTwoPlacesWrites,
    testing::Values(FormatCase{0.0, ".", ".00"}, FormatCase{-0.0, ".", ".00"},
                    FormatCase{0.019, ".", ".02"}, FormatCase{0.5, ".", ".50"},
                    FormatCase{1900.0, ".", "1900.00"}, FormatCase{0.285, ".", ".29"},
                    FormatCase{1.995, ".", "2.00"}, FormatCase{0.004999, ".", ".00"},
                    FormatCase{0.005, ".", ".01"}, FormatCase{9.995, ".", "10.00"},
                    FormatCase{999999.995, ".", "1000000.00"},
                    FormatCase{3161.849777, ",", "3161,85"},
                    FormatCase{1234567.891, "．", "1234567．89"},
                    // Negative values carry a minus sign, but never on a zero.
                    FormatCase{-1.5, ".", "-1.50"}, FormatCase{-0.285, ".", "-.29"},
                    FormatCase{-0.004, ".", ".00"},
                    // Beyond 15 significant digits the rest reads as zeros.
                    FormatCase{1e20, ".", "100000000000000000000.00"},
                    FormatCase{123456789012345678.0, ".", "123456789012346000.00"},
                    FormatCase{1e-300, ".", ".00"},
                    FormatCase{std::numeric_limits<double>::denorm_min(), ".", ".00"},
                    // Not finite: a word, never a crash.
                    FormatCase{std::nan(""), ".", "NaN"}, FormatCase{kInfinity, ".", "Infinity"},
                    FormatCase{-kInfinity, ".", "-Infinity"}));

TEST(FormatTwoPlaces, LargestDoubleKeepsAllItsDigits) {
    const std::string text = calc::FormatTwoPlaces(std::numeric_limits<double>::max());
    EXPECT_EQ(text.substr(0, 15), "179769313486232");
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

}  // namespace
