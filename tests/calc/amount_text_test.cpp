// Reading the amount field's text, typed or pasted.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "calc/amount_text.h"

namespace {

struct ReadCase {
    std::string text;
    std::optional<double> amount;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text.substr(0, 24) << '"'; }

class ReadAmountOf : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAmountOf, GivesTheWholeAmountOrNothing) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(calc::ReadAmount(c.text), c.amount) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Accepted, ReadAmountOf,
                         testing::Values(ReadCase{"100000", 100000.0}, ReadCase{"0", 0.0},
                                         ReadCase{"000150", 150.0}, ReadCase{"999999", 999999.0},
                                         ReadCase{"12.7", 12.0}, ReadCase{"12.", 12.0},
                                         ReadCase{".9", 0.0},
                                         ReadCase{"0.99999999999999999999", 0.0},
                                         ReadCase{" 500 ", 500.0}, ReadCase{"\t42", 42.0},
                                         ReadCase{"12345678901234567890", 12345678901234567890.0}));

INSTANTIATE_TEST_SUITE_P(
    Refused, ReadAmountOf,
    testing::Values(ReadCase{"", std::nullopt}, ReadCase{"   ", std::nullopt},
                    ReadCase{".", std::nullopt}, ReadCase{"-5", std::nullopt},
                    ReadCase{"+5", std::nullopt}, ReadCase{"1,000", std::nullopt},
                    ReadCase{"1e5", std::nullopt}, ReadCase{"12a", std::nullopt},
                    ReadCase{"1 2", std::nullopt}, ReadCase{"1.2.3", std::nullopt},
                    ReadCase{"0x10", std::nullopt}, ReadCase{"inf", std::nullopt},
                    ReadCase{"nan", std::nullopt}, ReadCase{"１２３", std::nullopt},
                    ReadCase{"五百", std::nullopt}, ReadCase{std::string(400, '9'), std::nullopt}));

}  // namespace
