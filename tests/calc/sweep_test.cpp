// Every amount that can be typed, 0 to 999999, against an exact decimal reference.

#include <gtest/gtest.h>

#include <string>

#include "calc/calc.h"
#include "exact_decimal.h"

namespace {

constexpr int kLargestTypedAmount = 999999;

// Hundredths of a shown money text such as "每期还款：5061.85元".
long long shownHundredths(const std::string& text, const std::string& prefix) {
    const std::string number = text.substr(prefix.size(), text.size() - prefix.size() - 3);
    const auto point = number.find('.');
    const std::string whole = number.substr(0, point);
    return (whole.empty() ? 0 : std::stoll(whole)) * 100 + std::stoll(number.substr(point + 1));
}

TEST(EveryTypedAmount, MatchesExactDecimalRounding) {
    int mismatches = 0;
    int repaymentOffByACent = 0;
    for (int amount = 0; amount <= kLargestTypedAmount; ++amount) {
        const auto read = calc::ReadAmount(std::to_string(amount));
        ASSERT_TRUE(read.has_value());
        const calc::RepaymentFigures f = calc::ComputeFigures(*read);
        const auto texts = calc::ResultTexts(f);

        const std::string expected[3] = {
            "每期本息：" + reference::MoneyText(f.principalInterest) + "元",
            "每期保费：" + reference::MoneyText(f.premium) + "元",
            "每期还款：" + reference::MoneyText(f.repayment) + "元"};
        for (int i = 0; i < 3; ++i) {
            if (texts[i] != expected[i] && ++mismatches <= 10) {
                ADD_FAILURE() << "amount " << amount << ": " << texts[i] << " instead of "
                              << expected[i];
            }
        }

        const long long sumOfParts =
            shownHundredths(texts[0], "每期本息：") + shownHundredths(texts[1], "每期保费：");
        const long long difference = shownHundredths(texts[2], "每期还款：") - sumOfParts;
        ASSERT_LE(difference * difference, 1) << "amount " << amount;
        repaymentOffByACent += difference != 0 ? 1 : 0;
    }
    EXPECT_EQ(mismatches, 0);

    // The shown repayment is rounded on its own: for about a quarter of all amounts it is a
    // cent away from the sum of the two shown parts.
    const double share = repaymentOffByACent / double(kLargestTypedAmount + 1);
    RecordProperty("RepaymentOffByACent", repaymentOffByACent);
    EXPECT_GT(share, 0.20);
    EXPECT_LT(share, 0.30);
}

}  // namespace
