// Arbitrary bytes in the amount field, cut to six characters as the field cuts them, through
// the whole calculation: whatever is read as an amount must give exactly the reference texts.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/calc.h"
#include "exact_decimal.h"
#include "fuzz_check.h"

namespace {

// The first `count` UTF-8 characters of `bytes` (a stray byte counts as one).
std::string_view firstCharacters(std::string_view bytes, int count) {
    std::size_t end = 0;
    for (int seen = 0; end < bytes.size(); ++end) {
        const bool continuation = (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80;
        if (!continuation && seen++ == count) break;
    }
    return bytes.substr(0, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text(firstCharacters(bytes, calc::AMOUNT_MAX_LENGTH));

    const auto amount = calc::ReadAmount(text);
    if (!amount) return 0;
    fuzzCheck(*amount >= 0 && *amount <= 999999 && std::floor(*amount) == *amount,
              "amount is a whole number of at most six digits", text);

    const calc::RepaymentFigures figures = calc::ComputeFigures(*amount);
    const auto texts = calc::ResultTexts(figures);
    fuzzCheck(texts[0] == "每期本息：" + reference::MoneyText(figures.principalInterest) + "元",
              "principal and interest", texts[0]);
    fuzzCheck(texts[1] == "每期保费：" + reference::MoneyText(figures.premium) + "元", "premium",
              texts[1]);
    fuzzCheck(texts[2] == "每期还款：" + reference::MoneyText(figures.repayment) + "元",
              "repayment", texts[2]);
    return 0;
}
