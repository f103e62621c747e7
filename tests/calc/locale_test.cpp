// The texts must not follow the process's C locale: a Qt program sets LC_NUMERIC from the
// environment, and under German settings printf would write a comma.

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "calc/calc.h"
#include "exact_decimal.h"

namespace {

class UnderGermanLocale : public testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
            GTEST_SKIP() << "locale de_DE.UTF-8 is missing (the test script generates it)";
        }
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.2f", 1.5);
        ASSERT_EQ(std::string(probe), "1,50") << "the locale did not take effect";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

TEST_F(UnderGermanLocale, TextsKeepTheCallersSeparator) {
    const auto texts = calc::ResultTexts(calc::ComputeFigures(100000.0));
    EXPECT_EQ(texts[0], "每期本息：3161.85元");
    EXPECT_EQ(texts[1], "每期保费：1900.00元");
    EXPECT_EQ(texts[2], "每期还款：5061.85元");
    EXPECT_EQ(calc::ResultTexts(calc::ComputeFigures(15.0), ",")[1], "每期保费：,29元");
    EXPECT_EQ(calc::ReadAmount("12.7"), 12.0);
}

TEST_F(UnderGermanLocale, SampledAmountsMatchTheReference) {
    for (int amount = 0; amount <= 999999; amount += 997) {
        const calc::RepaymentFigures f =
            calc::ComputeFigures(*calc::ReadAmount(std::to_string(amount)));
        for (double value : {f.principalInterest, f.premium, f.repayment}) {
            ASSERT_EQ(calc::FormatTwoPlaces(value), reference::MoneyText(value)) << amount;
        }
    }
}

}  // namespace
