#include "calc/repayment_figures.h"

namespace calc {

RepaymentFigures ComputeFigures(double amount) {
    // Each line is one IEEE operation rounded to the nearest double; the target is built
    // without floating-point contraction so that no two of them fuse into one FMA.
    RepaymentFigures figures{};
    figures.principal = amount / static_cast<double>(PERIOD_COUNT);
    figures.interest = amount * INTEREST_FACTOR;
    figures.principalInterest = figures.interest + figures.principal;
    figures.premium = amount * PREMIUM_FACTOR;
    figures.repayment = figures.premium + figures.principalInterest;
    return figures;
}

}  // namespace calc
