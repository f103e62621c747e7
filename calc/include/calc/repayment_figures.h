#pragma once

namespace calc {

// The loan is repaid in this many equal periods; every period owes the same figures.
inline constexpr int PERIOD_COUNT = 36;

// Interest due in each period, as a fraction of the whole amount (not of a remaining balance).
inline constexpr double INTEREST_FACTOR = 0.00384072;

// Insurance premium due in each period, as a fraction of the whole amount.
inline constexpr double PREMIUM_FACTOR = 0.019;

// The per-period figures of one loan amount, in yuan. None of them is rounded: money is
// rounded only when it is turned into text.
struct RepaymentFigures {
    double principal;
    double interest;
    double principalInterest;
    double premium;
    double repayment;
};

// Works out the per-period figures of a whole amount of yuan with plain double arithmetic,
// one rounding per operation, in a fixed order.
RepaymentFigures ComputeFigures(double amount);

}  // namespace calc
