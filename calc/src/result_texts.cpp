#include "calc/result_texts.h"

#include "calc/money_format.h"

namespace calc {
namespace {

constexpr std::string_view kUnitSuffix = "元";

std::string resultText(std::string_view prefix, double value, std::string_view separator) {
    const std::string number = FormatTwoPlaces(value, separator);
    std::string text;
    text.reserve(prefix.size() + number.size() + kUnitSuffix.size());
    text += prefix;
    text += number;
    text += kUnitSuffix;
    return text;
}

}  // namespace

std::array<std::string, 3> ResultTexts(const RepaymentFigures& figures,
                                       std::string_view decimalSeparator) {
    return {resultText("每期本息：", figures.principalInterest, decimalSeparator),
            resultText("每期保费：", figures.premium, decimalSeparator),
            resultText("每期还款：", figures.repayment, decimalSeparator)};
}

}  // namespace calc
