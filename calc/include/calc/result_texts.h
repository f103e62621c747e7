#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/repayment_figures.h"

namespace calc {

// The three result texts, for the labels of principal and interest, premium and repayment,
// in that order; for example "每期本息：3161.85元". Texts are UTF-8.
std::array<std::string, 3> ResultTexts(const RepaymentFigures& figures,
                                       std::string_view decimalSeparator = ".");

}  // namespace calc
