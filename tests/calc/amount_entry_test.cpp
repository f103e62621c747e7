// Which typed characters the amount field takes.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "calc/amount_entry.h"

namespace {

TEST(AcceptAmountKey, TakesOnlyDigitsAndBackspaceOverTheWholeSignedRange) {
    int accepted = 0;
    for (int code = std::numeric_limits<std::int16_t>::min();
         code <= std::numeric_limits<std::int16_t>::max(); ++code) {
        const bool expected = code == 8 || (code >= '0' && code <= '9');
        EXPECT_EQ(calc::AcceptAmountKey(static_cast<std::int16_t>(code)), expected)
            << "code " << code;
        accepted += expected ? 1 : 0;
    }
    EXPECT_EQ(accepted, 11);
}

TEST(AcceptAmountKey, RefusesWideCharactersThatArriveAsNegativeCodes) {
    // Full-width "１" (U+FF11) and "五" (U+4E94 is positive, U+FF15 is not) as 16-bit codes.
    EXPECT_FALSE(calc::AcceptAmountKey(static_cast<std::int16_t>(0xFF11)));
    EXPECT_FALSE(calc::AcceptAmountKey(static_cast<std::int16_t>(0x4E94)));
    EXPECT_FALSE(calc::AcceptAmountKey(static_cast<std::int16_t>(0x8030)));  // low byte '0'
}

TEST(AmountEntry, FieldBounds) {
    EXPECT_EQ(calc::AMOUNT_MAX_LENGTH, 6);
    EXPECT_EQ(calc::DEFAULT_AMOUNT_TEXT, "100000");
}

}  // namespace
